#include "components/controls/splitter_win.h"

#include <windowsx.h>

namespace lunea {

Splitter::Splitter(HWND parent, int id, const Rect& bounds, SplitterAxis axis, Color color,
                   Dragged dragged)
    : brush_(CreateSolidBrush(color)), dragged_(std::move(dragged)) {
    CreateWindowOf({axis == SplitterAxis::Columns ? "LuneaColumnSplitter" : "LuneaRowSplitter", 0,
                    axis == SplitterAxis::Columns ? IDC_SIZEWE : IDC_SIZENS},
                   0, "", WS_CHILD | WS_VISIBLE, bounds.left, bounds.top, bounds.Width(),
                   bounds.Height(), parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
}

LRESULT Splitter::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_ERASEBKGND: {
        const RECT client = ClientArea();
        FillRect(reinterpret_cast<HDC>(wparam), &client, brush_.Get());
        return 1;
    }
    case WM_LBUTTONDOWN:
        SetCapture(Window());
        dragging_ = true;
        return 0;
    case WM_MOUSEMOVE:
        if (dragging_ && dragged_) {
            POINT at{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
            MapWindowPoints(Window(), GetParent(Window()), &at, 1);
            dragged_({at.x, at.y});
        }
        return 0;
    case WM_LBUTTONUP:
        if (dragging_)
            ReleaseCapture();
        return 0;
    case WM_CAPTURECHANGED:
        dragging_ = false;
        return 0;
    default:
        return WindowBase::HandleMessage(message, wparam, lparam);
    }
}

} // namespace lunea
