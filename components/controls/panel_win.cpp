#include "components/controls/panel_win.h"

#include "components/canvas/gdi_handles_win.h"
#include "components/controls/control_classes.h"

namespace lunea {

Panel::Panel(HWND parent, int id, const Rect& bounds) {
    Create(control_class::kPanel, parent, id, bounds, "");
}

void Panel::Show(bool visible) const {
    ShowWindow(Window(), visible ? SW_SHOW : SW_HIDE);
}

void Panel::SetBackground(Color color) {
    background_ = color;
    Redraw();
}

void Panel::FillBackground(HDC dc) const {
    const RECT client = ClientArea();
    BrushHandle brush(CreateSolidBrush(*background_));
    if (brush)
        FillRect(dc, &client, brush.Get());
}

LRESULT Panel::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_PAINT:
        if (!background_)
            break;
        if (PaintDc paint(Window()); paint.Get())
            FillBackground(paint.Get());
        return 0;
    case WM_PRINTCLIENT:
        if (background_) {
            FillBackground(reinterpret_cast<HDC>(wparam));
            return 0;
        }
        // Asked for what lies behind a child: straight through to the parent,
        // without a buffer of the whole panel.
        PaintParentBackground(Window(), reinterpret_cast<HDC>(wparam));
        return 0;
    case WM_NCHITTEST:
        // Where no control stands, the mouse reaches what lies below.
        return HTTRANSPARENT;
    default:
        break;
    }
    return SkinControl::HandleMessage(message, wparam, lparam);
}

} // namespace lunea
