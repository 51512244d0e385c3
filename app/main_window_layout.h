#pragma once
// Where every control of the main window stands: its id, window class,
// rectangle in the window's client area, caption and hint. The window is
// built from this table and the layout tests read the same table.

#include "components/controls/control_layout.h"

#include <span>
#include <vector>

namespace lunea {

// Bounds are in the main window's client area.
std::span<const ControlSpec> MainWindowLayout();
// The control's entry; an id the table lacks is a programming error.
const ControlSpec& LayoutOf(int id);
// The control's rectangle relative to the control it stands in.
Rect BoundsInParent(int id);
// True when ancestor is the control's parent, its parent's parent, ...
bool StandsIn(int id, int ancestor);
// The page container a control belongs to (0: shown with every page).
int PageOf(int id);
// The day editor's controls a user operates (buttons, check boxes, radio
// buttons, edits), in the order Tab walks them: reading order.
std::vector<int> EditorTabOrder();

} // namespace lunea
