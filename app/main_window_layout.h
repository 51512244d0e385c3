#pragma once
// Where every control of the main window stands: its id, window class,
// rectangle in the window's client area, caption and hint. The window is
// built from this table and the layout tests read the same table.

#include "components/canvas.h"

#include <span>
#include <string>

namespace lunea {

struct ControlSpec {
    int id = 0;
    const char* windowClass = "";
    // The id of the control it stands in; 0 for the main window itself.
    int parent = 0;
    Rect bounds; // in the main window's client area
    std::string text;
    std::string hint;
};

std::span<const ControlSpec> MainWindowLayout();
// The entry of a layout; an id the layout lacks is a programming error.
const ControlSpec& SpecIn(std::span<const ControlSpec> layout, int id);
// The control's entry; an id the table lacks is a programming error.
const ControlSpec& LayoutOf(int id);
// The control's rectangle relative to the control it stands in.
Rect BoundsInParent(int id);
// True when ancestor is the control's parent, its parent's parent, ...
bool StandsIn(int id, int ancestor);
// The page container a control belongs to (0: shown with every page).
int PageOf(int id);

} // namespace lunea
