#include "components/controls/skin_control_win.h"

#include "components/controls/control_painters.h"
#include "components/canvas/dib_surface_win.h"
#include "components/canvas/gdi_canvas_win.h"

#include <vector>

namespace lunea {

SkinControl::SkinControl() : font_(ControlFont()) {}

void SkinControl::Create(const char* className, HWND parent, int id, const Rect& bounds,
                         const std::string& text) {
    CreateWindowOf({className, CS_DBLCLKS}, 0, text.c_str(),
                   WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, bounds.left,
                   bounds.top, bounds.Width(), bounds.Height(), parent,
                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
}

SkinControl* SkinControl::FromWindow(HWND window) {
    return dynamic_cast<SkinControl*>(WindowBase::FromWindow(window));
}

LRESULT SkinControl::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1; // painted with the rest in WM_PAINT, without flicker
    case WM_PAINT: {
        PaintDc paint(Window());
        if (paint.Get())
            PaintTo(paint.Get());
        return 0;
    }
    case WM_PRINTCLIENT:
        PaintTo(reinterpret_cast<HDC>(wparam));
        return 0;
    case WM_SETTEXT: {
        const LRESULT result = Default(message, wparam, lparam);
        Redraw();
        return result;
    }
    case WM_ENABLE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        Redraw();
        return 0;
    default:
        return WindowBase::HandleMessage(message, wparam, lparam);
    }
}

void SkinControl::PaintTo(HDC target) {
    const RECT client = ClientArea();
    DibSurface buffer(client.right, client.bottom);
    if (!buffer.IsValid())
        return;
    PaintParentBackground(Window(), buffer.Dc());
    {
        GdiCanvas canvas(buffer.Dc());
        Paint(canvas, {0, 0, client.right, client.bottom});
    }
    if (GetFocus() == Window())
        DrawFocusRect(buffer.Dc(), &client);
    BitBlt(target, 0, 0, client.right, client.bottom, buffer.Dc(), 0, 0, SRCCOPY);
}

void SkinControl::SetTabStop() const {
    SetWindowLongPtrA(Window(), GWL_STYLE, GetWindowLongPtrA(Window(), GWL_STYLE) | WS_TABSTOP);
}

void SkinControl::SetFont(const Font& font) {
    font_ = font;
    Redraw();
}

void SkinControl::Redraw() const {
    if (Window())
        InvalidateRect(Window(), nullptr, FALSE);
}

std::string SkinControl::Text() const {
    const int length = GetWindowTextLengthA(Window());
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    GetWindowTextA(Window(), buffer.data(), length + 1);
    return std::string(buffer.data());
}

void PaintParentBackground(HWND child, HDC dc) {
    const HWND parent = GetParent(child);
    RECT client{};
    GetClientRect(child, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    if (!parent)
        return;
    POINT origin{0, 0};
    MapWindowPoints(child, parent, &origin, 1);
    POINT previous{};
    OffsetViewportOrgEx(dc, -origin.x, -origin.y, &previous);
    SendMessageA(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    SendMessageA(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
}

} // namespace lunea
