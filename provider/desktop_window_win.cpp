#include "provider/desktop_window_win.h"

#include <cstring>

namespace lunea::provider {
namespace {

constexpr char kDesktopClass[] = "TMainForm";
constexpr char kDesktopCaption[] = "Lunea Calendar";

} // namespace

// FindWindowExA compares captions without regard to case, so each window it
// finds is checked again, case-sensitively.
HWND FindDesktopWindow() {
    HWND candidate = nullptr;
    while ((candidate = FindWindowExA(nullptr, candidate, kDesktopClass, kDesktopCaption))) {
        char caption[sizeof kDesktopCaption + 1] = {};
        GetWindowTextA(candidate, caption, sizeof caption);
        if (std::strcmp(caption, kDesktopCaption) == 0)
            return candidate;
    }
    return nullptr;
}

void NotifyDesktopSave() {
    if (HWND window = FindDesktopWindow())
        SendMessageA(window, kSaveJournalMessage, 0, 0);
}

void NotifyDesktopReload() {
    if (HWND window = FindDesktopWindow())
        PostMessageA(window, kReloadJournalMessage, 0, 0);
}

} // namespace lunea::provider
