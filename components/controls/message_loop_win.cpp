#include "components/controls/message_loop_win.h"

#include <algorithm>
#include <map>
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

std::map<HWND, KeyHandler>& KeyHandlers() {
    static std::map<HWND, KeyHandler> handlers;
    return handlers;
}

bool altReleasePending = false;

bool IsKeyForHandler(const MSG& message) {
    if (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) {
        const auto handler = KeyHandlers().find(GetAncestor(message.hwnd, GA_ROOT));
        if (handler == KeyHandlers().end() || !handler->second(message.message, message.wParam))
            return false;
        altReleasePending = altReleasePending || message.message == WM_SYSKEYDOWN;
        return true;
    }
    const bool altRelease = (message.message == WM_SYSKEYUP || message.message == WM_KEYUP) &&
                            message.wParam == VK_MENU;
    if (!altRelease || !altReleasePending)
        return false;
    altReleasePending = false;
    return true;
}

} // namespace

void SetKeyHandler(HWND topLevel, KeyHandler handler) {
    if (topLevel)
        KeyHandlers()[topLevel] = std::move(handler);
}

void RemoveKeyHandler(HWND topLevel) {
    KeyHandlers().erase(topLevel);
}

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
        if (IsKeyForHandler(message) || IsDialogKeyOfRegisteredWindow(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

} // namespace lunea
