#include "components/controls/message_loop_win.h"

#include <algorithm>
#include <vector>

namespace lunea {
namespace {

bool terminationRequested = false;

std::vector<HWND>& DialogKeysWindows() {
    static std::vector<HWND> windows;
    return windows;
}

bool IsDialogKeyOfRegisteredWindow(MSG& message) {
    for (HWND window : DialogKeysWindows())
        if (IsWindow(window) && IsDialogMessageA(window, &message))
            return true;
    return false;
}

} // namespace

void AddDialogKeysWindow(HWND window) {
    if (window)
        DialogKeysWindows().push_back(window);
}

void RemoveDialogKeysWindow(HWND window) {
    auto& windows = DialogKeysWindows();
    windows.erase(std::remove(windows.begin(), windows.end(), window), windows.end());
}

void RequestTermination() {
    terminationRequested = true;
}

bool TerminationRequested() {
    return terminationRequested;
}

int RunMessageLoop() {
    MSG message{};
    while (!terminationRequested && GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (IsDialogKeyOfRegisteredWindow(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

} // namespace lunea
