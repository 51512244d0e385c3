#pragma once
// The program's message loop. A modeless window with controls (the report
// window) registers here to get its dialog keys: Tab, Enter and Escape pass
// through IsDialogMessage for it, as they do in a modal dialog.

#include <windows.h>

namespace lunea {

void AddDialogKeysWindow(HWND window);
void RemoveDialogKeysWindow(HWND window);

// Asks the program to end, as the password prompt's Exit does during
// start-up: from then on every modal dialog ends at once as cancelled and
// the message loop returns as soon as it is entered.
void RequestTermination();
bool TerminationRequested();

// Runs until WM_QUIT or a termination request; returns the exit code.
int RunMessageLoop();

} // namespace lunea
