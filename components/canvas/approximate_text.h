#pragma once
// The stand-in text metrics of the test and benchmark canvases: every
// character is a cell of a fixed width, so positions computed from a
// measured extent are the same on every machine.

#include "components/canvas/canvas.h"

namespace lunea {

int ApproximateCharWidth(const Font& font);
TextExtent ApproximateTextExtent(std::string_view text, const Font& font);

} // namespace lunea
