#pragma once
// The pixels of a menu item's image: a 32-bit top-down bitmap in the order
// Windows reads it (blue in the low byte, alpha in the high byte). Windows
// draws a menu bitmap of 32 bits through its alpha channel, so drawn pixels
// are opaque and the mask colour's pixels fully transparent (and black).

#include "components/controls/control_painters.h"

#include <cstdint>
#include <vector>

namespace lunea {

std::vector<std::uint32_t> MenuBitmapPixels(ImageRef image);

} // namespace lunea
