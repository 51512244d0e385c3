#pragma once
// Pixel art written as text: one string per row, one letter per pixel, the
// letters looked up in a palette; '.' is the mask colour.

#include "components/canvas/pixel_image.h"

#include <initializer_list>
#include <span>
#include <string_view>

namespace lunea {

struct PaletteEntry {
    char letter;
    Color color;
};

// The colours the program's small pictures are drawn with.
std::span<const PaletteEntry> ArtPalette();

// Rows of equal length; letters missing from the palette are a fault of the
// art and show as the mask colour.
PixelImage PaintCharMap(std::initializer_list<std::string_view> rows,
                        std::span<const PaletteEntry> palette = ArtPalette());

} // namespace lunea
