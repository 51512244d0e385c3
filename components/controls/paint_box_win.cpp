#include "components/controls/paint_box_win.h"
#include "components/controls/control_classes.h"

#include <windowsx.h>

namespace lunea {
namespace {

MouseEvent EventFrom(WPARAM keys, LPARAM at) {
    MouseEvent event;
    event.at = {GET_X_LPARAM(at), GET_Y_LPARAM(at)};
    event.left = (keys & MK_LBUTTON) != 0;
    event.right = (keys & MK_RBUTTON) != 0;
    event.middle = (keys & MK_MBUTTON) != 0;
    event.shift = (keys & MK_SHIFT) != 0;
    event.control = (keys & MK_CONTROL) != 0;
    return event;
}

} // namespace

PaintBox::PaintBox(HWND parent, int id, const Rect& bounds) {
    Create(control_class::kPaintBox, parent, id, bounds, "");
}

void PaintBox::Repaint() const {
    if (!Window())
        return;
    InvalidateRect(Window(), nullptr, FALSE);
    UpdateWindow(Window());
}

LRESULT PaintBox::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    // The class takes double-clicks, so a quick second press arrives as one:
    // it is a press all the same.
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        if (mouseDown_)
            mouseDown_(EventFrom(wparam, lparam));
        return 0;
    case WM_MOUSEMOVE:
        if (mouseMove_)
            mouseMove_(EventFrom(wparam, lparam));
        return 0;
    default:
        return SkinControl::HandleMessage(message, wparam, lparam);
    }
}

void PaintBox::Paint(Canvas& canvas, const Rect& client) {
    if (painter_)
        painter_(canvas, client);
}

} // namespace lunea
