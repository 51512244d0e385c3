#pragma once
#include <windows.h>

namespace lunea::provider {

// The running desktop program's main window: top-level, of the program's
// window class and captioned exactly with its title. Null when there is none.
HWND FindDesktopWindow();
// Asks a running desktop program to save its journal and waits until it has.
void NotifyDesktopSave();
// Asks a running desktop program to reload its journal; does not wait.
void NotifyDesktopReload();

} // namespace lunea::provider
