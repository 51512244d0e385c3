#include "app/image_control_win.h"

#include "components/gdi_canvas_win.h"
#include "components/skin_control_win.h"

#include <windowsx.h>

namespace lunea {
namespace {

const char kImageControlClass[] = "LuneaImage";

void RegisterImageClass(WNDPROC procedure) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA existing{};
    if (GetClassInfoA(instance, kImageControlClass, &existing))
        return;
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kImageControlClass;
    RegisterClassA(&windowClass);
}

} // namespace

ImageControl::ImageControl(HWND parent, int id, const Rect& bounds, MouseHandlers mouse)
    : picture_(bounds.Width(), bounds.Height()), mouse_(std::move(mouse)) {
    RegisterImageClass(&ImageControl::WindowProc);
    CreateWindowExA(0, kImageControlClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                    bounds.left, bounds.top, bounds.Width(), bounds.Height(), parent,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                    this);
}

ImageControl::~ImageControl() {
    if (window_) {
        SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

void ImageControl::Draw(const std::function<void(Canvas&)>& draw) {
    if (!picture_.IsValid())
        return;
    {
        GdiCanvas canvas(picture_.Dc());
        draw(canvas);
    }
    if (window_)
        InvalidateRect(window_, nullptr, FALSE);
}

void ImageControl::DrawOverBackground(const std::function<void(Canvas&)>& draw) {
    if (window_ && picture_.IsValid())
        PaintParentBackground(window_, picture_.Dc());
    Draw(draw);
}

LRESULT CALLBACK ImageControl::WindowProc(HWND window, UINT message, WPARAM wparam,
                                          LPARAM lparam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<ImageControl*>(reinterpret_cast<CREATESTRUCTA*>(lparam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<ImageControl*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcA(window, message, wparam, lparam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
        return DefWindowProcA(window, message, wparam, lparam);
    }
    return self->HandleMessage(message, wparam, lparam);
}

LRESULT ImageControl::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        if (HDC dc = BeginPaint(window_, &paint)) {
            ShowPicture(dc);
            EndPaint(window_, &paint);
        }
        return 0;
    }
    case WM_PRINTCLIENT:
        ShowPicture(reinterpret_cast<HDC>(wparam));
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        // Held so that a drag keeps reporting beyond the control's edges.
        SetCapture(window_);
        if (mouse_.down)
            mouse_.down(GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam));
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        if (GetCapture() == window_)
            ReleaseCapture();
        return 0;
    case WM_MOUSEMOVE:
        if (mouse_.move)
            mouse_.move(GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam), wparam);
        return 0;
    default:
        return DefWindowProcA(window_, message, wparam, lparam);
    }
}

void ImageControl::ShowPicture(HDC dc) const {
    if (picture_.IsValid())
        BitBlt(dc, 0, 0, picture_.Width(), picture_.Height(), picture_.Dc(), 0, 0, SRCCOPY);
}

} // namespace lunea
