#pragma once
// Pictures in the binary PPM format (P6), as pdftoppm writes them.
#include "components/canvas/pixel_image.h"

#include <optional>
#include <string>

namespace lunea::test {

// Nothing when the file is missing or not an 8-bit P6 picture.
std::optional<PixelImage> ReadPpm(const std::string& path);

} // namespace lunea::test
