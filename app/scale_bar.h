#pragma once
// The temperature scale's bar: a sunken trough filled up to the position.
#include "components/canvas/canvas.h"

namespace lunea {

void PaintScaleBar(Canvas& canvas, const Rect& bounds, int position);

} // namespace lunea
