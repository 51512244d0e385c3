#include "components/panel_win.h"
#include "components/control_classes.h"

namespace lunea {

Panel::Panel(HWND parent, int id, const Rect& bounds) {
    Create(control_class::kPanel, parent, id, bounds, "", WS_CLIPCHILDREN);
}

void Panel::Show(bool visible) const {
    ShowWindow(Window(), visible ? SW_SHOW : SW_HIDE);
}

LRESULT Panel::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_PRINTCLIENT:
        // Asked for what lies behind a child: straight through to the parent,
        // without a buffer of the whole panel.
        PaintParentBackground(Window(), reinterpret_cast<HDC>(wparam));
        return 0;
    case WM_NCHITTEST:
        // Where no control stands, the mouse reaches what lies below.
        return HTTRANSPARENT;
    default:
        return SkinControl::HandleMessage(message, wparam, lparam);
    }
}

} // namespace lunea
