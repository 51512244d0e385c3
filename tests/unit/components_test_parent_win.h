#pragma once
// A plain top-level window for the component tests: keeps every
// WM_COMMAND its children send and lets a test paint on it.

#include <windows.h>

#include <functional>
#include <utility>
#include <vector>

namespace lunea::testing {

class TestParent {
  public:
    explicit TestParent(DWORD style = WS_POPUP, int width = 600, int height = 394) {
        const HINSTANCE instance = GetModuleHandleA(nullptr);
        WNDCLASSA windowClass{};
        if (!GetClassInfoA(instance, kClassName, &windowClass)) {
            windowClass.lpfnWndProc = &TestParent::WindowProc;
            windowClass.hInstance = instance;
            windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
            windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
            windowClass.lpszClassName = kClassName;
            RegisterClassA(&windowClass);
        }
        window_ = CreateWindowExA(0, kClassName, "Lunea Calendar", style | WS_CLIPCHILDREN, 20, 20,
                                  width, height, nullptr, nullptr, instance, this);
    }
    ~TestParent() {
        if (window_)
            DestroyWindow(window_);
    }
    TestParent(const TestParent&) = delete;
    TestParent& operator=(const TestParent&) = delete;

    HWND Window() const { return window_; }
    // (control id, notification code) of every WM_COMMAND received.
    std::vector<std::pair<int, int>> commands;
    std::function<void(HDC)> paint;

    void ShowAndPaint() const {
        ShowWindow(window_, SW_SHOWNOACTIVATE);
        UpdateWindow(window_);
        RedrawWindow(window_, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        GdiFlush();
    }

  private:
    static constexpr const char* kClassName = "LuneaComponentTestParent";

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
        if (message == WM_NCCREATE)
            SetWindowLongPtrA(window, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(
                                  reinterpret_cast<CREATESTRUCTA*>(lparam)->lpCreateParams));
        auto* self = reinterpret_cast<TestParent*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (self && message == WM_COMMAND)
            self->commands.emplace_back(LOWORD(wparam), HIWORD(wparam));
        if (self && message == WM_NCDESTROY) {
            SetWindowLongPtrA(window, GWLP_USERDATA, 0);
            self->window_ = nullptr;
        }
        if (self && self->paint && message == WM_PAINT) {
            PAINTSTRUCT ps{};
            HDC dc = BeginPaint(window, &ps);
            self->paint(dc);
            EndPaint(window, &ps);
            return 0;
        }
        if (self && self->paint && message == WM_PRINTCLIENT) {
            self->paint(reinterpret_cast<HDC>(wparam));
            return 0;
        }
        return DefWindowProcA(window, message, wparam, lparam);
    }

    HWND window_ = nullptr;
};

} // namespace lunea::testing
