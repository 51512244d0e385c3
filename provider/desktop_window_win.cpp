#include "provider/desktop_window_win.h"

#include "common/desktop_contract.h"

#include <cstring>

namespace lunea::provider {

// FindWindowExA compares captions without regard to case, so each window it
// finds is checked again, case-sensitively.
HWND FindDesktopWindow() {
    HWND candidate = nullptr;
    while ((candidate = FindWindowExA(nullptr, candidate, kMainWindowClass, kApplicationTitle))) {
        char caption[sizeof kApplicationTitle + 1] = {};
        GetWindowTextA(candidate, caption, sizeof caption);
        if (std::strcmp(caption, kApplicationTitle) == 0)
            return candidate;
    }
    return nullptr;
}

void NotifyDesktopSave() {
    if (HWND window = FindDesktopWindow())
        SendMessageA(window, messages::kSaveJournal, 0, 0);
}

void NotifyDesktopReload() {
    if (HWND window = FindDesktopWindow())
        PostMessageA(window, messages::kReloadJournal, 0, 0);
}

} // namespace lunea::provider
