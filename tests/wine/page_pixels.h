#pragma once
// Reading a rendered page: where something is drawn and in which colours.
// Colours match within a tolerance per channel: rendering blends the edges.
#include "components/canvas/pixel_image.h"

#include <span>

namespace lunea::test {

bool IsNear(Color a, Color b, int tolerance);
// The smallest rectangle holding every pixel of one of the colours; empty
// when none is there.
Rect BoundsOf(const PixelImage& image, std::span<const Color> colours, int tolerance);
// Everything that is not the white paper.
Rect InkBounds(const PixelImage& image);
// The share (0..1) of the area's pixels that have the colour.
double ShareOf(const PixelImage& image, const Rect& area, Color colour, int tolerance);
// The rectangle shrunk by that many pixels on every side, so a probe stays
// clear of blended edges.
Rect Shrunk(const Rect& rect, int pixels);

} // namespace lunea::test
