#include "components/skin_control_win.h"

#include "components/control_painters.h"
#include "components/dib_surface_win.h"
#include "components/gdi_canvas_win.h"

#include <vector>

namespace lunea {
namespace {

void RegisterControlClass(const char* className, WNDPROC procedure) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExA(instance, className, &existing))
        return;
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = className;
    RegisterClassExA(&windowClass);
}

} // namespace

SkinControl::SkinControl() : font_(ControlFont()) {}

SkinControl::~SkinControl() {
    if (window_) {
        // No message may reach the half-destroyed object any more.
        SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

void SkinControl::Create(const char* className, HWND parent, int id, const Rect& bounds,
                         const std::string& text) {
    RegisterControlClass(className, &SkinControl::WindowProc);
    CreateWindowExA(0, className, text.c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
                    bounds.left, bounds.top, bounds.Width(), bounds.Height(), parent,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                    this);
}

SkinControl* SkinControl::FromWindow(HWND window) {
    // The class's procedure, not the window's: hints subclass the window.
    if (!window || reinterpret_cast<WNDPROC>(GetClassLongPtrA(window, GCLP_WNDPROC)) !=
                       &SkinControl::WindowProc)
        return nullptr;
    return reinterpret_cast<SkinControl*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

LRESULT CALLBACK SkinControl::WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<SkinControl*>(reinterpret_cast<CREATESTRUCTA*>(lparam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<SkinControl*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcA(window, message, wparam, lparam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
        return DefWindowProcA(window, message, wparam, lparam);
    }
    return self->HandleMessage(message, wparam, lparam);
}

LRESULT SkinControl::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1; // painted with the rest in WM_PAINT, without flicker
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        if (HDC dc = BeginPaint(window_, &paint)) {
            PaintTo(dc);
            EndPaint(window_, &paint);
        }
        return 0;
    }
    case WM_PRINTCLIENT:
        PaintTo(reinterpret_cast<HDC>(wparam));
        return 0;
    case WM_SETTEXT: {
        const LRESULT result = DefWindowProcA(window_, message, wparam, lparam);
        Redraw();
        return result;
    }
    case WM_ENABLE:
        Redraw();
        return 0;
    default:
        return DefWindowProcA(window_, message, wparam, lparam);
    }
}

void SkinControl::PaintTo(HDC target) {
    RECT client{};
    GetClientRect(window_, &client);
    DibSurface buffer(client.right, client.bottom);
    if (!buffer.IsValid())
        return;
    PaintParentBackground(window_, buffer.Dc());
    {
        GdiCanvas canvas(buffer.Dc());
        Paint(canvas, {0, 0, client.right, client.bottom});
    }
    BitBlt(target, 0, 0, client.right, client.bottom, buffer.Dc(), 0, 0, SRCCOPY);
}

void SkinControl::SetFont(const Font& font) {
    font_ = font;
    Redraw();
}

void SkinControl::Redraw() const {
    if (window_)
        InvalidateRect(window_, nullptr, FALSE);
}

std::string SkinControl::Text() const {
    const int length = GetWindowTextLengthA(window_);
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    GetWindowTextA(window_, buffer.data(), length + 1);
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
