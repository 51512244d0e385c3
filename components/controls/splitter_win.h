#pragma once
// A bar between two panes that the mouse drags: while it is dragged the
// owner hears where the pointer stands in the parent's client area and lays
// the panes (and the bar) out anew.

#include "components/canvas/canvas.h"
#include "components/canvas/gdi_handles_win.h"
#include "components/controls/window_base_win.h"

#include <functional>

namespace lunea {

enum class SplitterAxis {
    Columns, // a vertical bar between a left and a right pane: dragged along x
    Rows,    // a horizontal bar between an upper and a lower pane: dragged along y
};

class Splitter final : public WindowBase {
  public:
    using Dragged = std::function<void(Point inParent)>;
    Splitter(HWND parent, int id, const Rect& bounds, SplitterAxis axis, Color color,
             Dragged dragged);

  private:
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

    BrushHandle brush_;
    Dragged dragged_;
    bool dragging_ = false;
};

} // namespace lunea
