#pragma once
// A plain top-level window for the component tests: keeps every
// WM_COMMAND its children send and lets a test paint on it.

#include "components/canvas/gdi_handles_win.h"
#include "components/controls/window_base_win.h"

#include <functional>
#include <utility>
#include <vector>

namespace lunea::testing {

class TestParent final : public WindowBase {
  public:
    explicit TestParent(DWORD style = WS_POPUP, int width = 600, int height = 394) {
        CreateWindowOf({"LuneaComponentTestParent", 0, IDC_ARROW, GetSysColorBrush(COLOR_BTNFACE)},
                       0, "Lunea Calendar", style | WS_CLIPCHILDREN, 20, 20, width, height, nullptr,
                       nullptr);
    }

    // (control id, notification code) of every WM_COMMAND received.
    std::vector<std::pair<int, int>> commands;
    std::function<void(HDC)> paint;

    void ShowAndPaint() const {
        ShowWindow(Window(), SW_SHOWNOACTIVATE);
        UpdateWindow(Window());
        RedrawWindow(Window(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        GdiFlush();
    }

  private:
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override {
        if (message == WM_COMMAND)
            commands.emplace_back(LOWORD(wparam), HIWORD(wparam));
        if (paint && message == WM_PAINT) {
            PaintDc dc(Window());
            paint(dc.Get());
            return 0;
        }
        if (paint && message == WM_PRINTCLIENT) {
            paint(reinterpret_cast<HDC>(wparam));
            return 0;
        }
        return WindowBase::HandleMessage(message, wparam, lparam);
    }
};

} // namespace lunea::testing
