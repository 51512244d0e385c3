#pragma once
// The shape of a window cut out of its picture: one rectangle per run of
// pixels that are not the mask colour, row by row.

#include "components/canvas/pixel_image.h"

#include <vector>

namespace lunea {

std::vector<Rect> OpaqueRuns(const PixelImage& image, Color mask);

} // namespace lunea
