#pragma once
// Pictures as 24-bit Windows bitmap files.

#include "components/canvas/pixel_image.h"

#include <cstdint>
#include <string>
#include <vector>

namespace lunea {

std::vector<std::uint8_t> EncodeBmp(const PixelImage& image);
// False when the file cannot be written completely.
bool SaveBmp(const std::string& path, const PixelImage& image);

} // namespace lunea
