#pragma once
// What a printer's page offers, as plain numbers the layout can work with.

#include "components/canvas/canvas.h"

namespace lunea {

// The printable part of the page in printer pixels, and the printer's
// resolution.
struct PageFormat {
    int width = 0;
    int height = 0;
    int dotsPerInchX = 0;
    int dotsPerInchY = 0;
};

// The printable area less a margin of that many millimetres on every side;
// an empty rectangle at the page's centre when the margins leave nothing.
Rect InsideMargins(const PageFormat& page, int millimetres);

} // namespace lunea
