#pragma once
// A vertical gradient as bands of rows that share one colour, so a backend
// fills at most one rectangle per colour step rather than one per row.

#include "components/canvas/canvas.h"

#include <functional>

namespace lunea {

// The colour t of the way (0..1) from one colour to another.
Color Mix(Color from, Color to, double t);

// The colour of row `row` of `rows`: `top` on the first, `bottom` on the last.
Color GradientRowColor(Color top, Color bottom, int row, int rows);

void ForEachGradientBand(const Rect& rect, Color top, Color bottom,
                         const std::function<void(const Rect& band, Color color)>& fill);

} // namespace lunea
