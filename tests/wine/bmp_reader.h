#pragma once
// Windows bitmap files of 24 bits a pixel, bottom-up, as the program saves
// its pictures.
#include "components/canvas/pixel_image.h"

#include <optional>
#include <string>

namespace lunea::test {

// Nothing when the file is missing, truncated or of another kind.
std::optional<PixelImage> ReadBmp(const std::string& path);

} // namespace lunea::test
