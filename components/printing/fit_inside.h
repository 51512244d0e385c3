#pragma once
// Placing a picture on a page: as large as the page allows, undistorted.

#include "components/canvas/canvas.h"

namespace lunea {

// The largest rectangle of the picture's proportions (width x height) inside
// the page, centred on it. A picture or a page without area gives an empty
// rectangle at the page's centre.
Rect FitInside(int width, int height, const Rect& page);

} // namespace lunea
