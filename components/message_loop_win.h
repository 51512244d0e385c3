#pragma once
// The program's message loop. A modeless window with controls (the report
// window) registers here to get its dialog keys: Tab, Enter and Escape pass
// through IsDialogMessage for it, as they do in a modal dialog.

#include <windows.h>

namespace lunea {

void AddDialogKeysWindow(HWND window);
void RemoveDialogKeysWindow(HWND window);

// Runs until WM_QUIT; returns its exit code.
int RunMessageLoop();

} // namespace lunea
