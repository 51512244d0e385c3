#pragma once
// The system's flat tool bar with buttons showing images of one of the
// program's sets; a button's click reaches the parent as WM_COMMAND with the
// button's id.

#include "components/canvas/canvas.h"

#include <windows.h>
#include <commctrl.h>

#include <span>

namespace lunea {

struct ToolBarButton {
    int id = 0; // 0: a separator
    int image = 0;
};

class ToolBar {
  public:
    ToolBar(HWND parent, int id, const Rect& bounds, ImageSetId images,
            std::span<const ToolBarButton> buttons);
    ~ToolBar();
    ToolBar(const ToolBar&) = delete;
    ToolBar& operator=(const ToolBar&) = delete;

    HWND Window() const { return window_; }
    // Where the last button ends, in the tool bar's client area.
    int ButtonsRight() const;

  private:
    HWND window_ = nullptr;
    HIMAGELIST images_ = nullptr;
};

} // namespace lunea
