#pragma once
#include <windows.h>

namespace lunea::provider {

inline constexpr UINT kSaveJournalMessage = WM_USER + 1;   // 1025
inline constexpr UINT kReloadJournalMessage = WM_USER + 2; // 1026

// The running desktop program's main window: top-level, class TMainForm and
// caption exactly "Lunea Calendar". Null when there is none.
HWND FindDesktopWindow();
// Asks a running desktop program to save its journal and waits until it has.
void NotifyDesktopSave();
// Asks a running desktop program to reload its journal; does not wait.
void NotifyDesktopReload();

} // namespace lunea::provider
