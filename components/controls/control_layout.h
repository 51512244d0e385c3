#pragma once
// A window's controls as a table: each control's id, window class, parent,
// rectangle, caption and hint. A window is built from its table, and its
// layout tests read the same table.

#include "components/canvas/canvas.h"

#include <span>
#include <string>
#include <vector>

namespace lunea {

struct ControlSpec {
    int id = 0;
    const char* windowClass = "";
    // The id of the control it stands in; 0 for the window itself.
    int parent = 0;
    Rect bounds; // in the pixels its table states
    std::string text;
    std::string hint;
};

// The entry of a layout; an id the layout lacks is a programming error.
const ControlSpec& SpecIn(std::span<const ControlSpec> layout, int id);
// bounds with origin's top left corner as (0, 0).
Rect RelativeTo(const Rect& bounds, const Rect& origin);
// The controls' ids as a reader meets them: rows from top to bottom, each
// row from left to right. A control joins the row of the one above it when
// its top lies above that control's middle, so controls a few pixels out
// of line still share their row.
std::vector<int> ReadingOrder(std::span<const ControlSpec> controls);

} // namespace lunea
