#pragma once
// The program's message loop. A modeless window with controls (the report
// window) registers here to get its dialog keys: Tab, Enter and Escape pass
// through IsDialogMessage for it, as they do in a modal dialog.

#include <windows.h>

#include <functional>

namespace lunea {

void AddDialogKeysWindow(HWND window);
void RemoveDialogKeysWindow(HWND window);

// A top-level window's key handler sees every WM_KEYDOWN and WM_SYSKEYDOWN
// of the window and its descendants before it is dispatched (a key with Alt
// goes to the focused control alone); returning true consumes the key. The
// Alt release after a consumed Alt+key is dropped as well, so the window
// neither opens its system menu nor beeps.
using KeyHandler = std::function<bool(UINT message, WPARAM key)>;
void SetKeyHandler(HWND topLevel, KeyHandler handler);
void RemoveKeyHandler(HWND topLevel);

// Asks the program to end, as the password prompt's Exit does during
// start-up: from then on every modal dialog ends at once as cancelled and
// the message loop returns as soon as it is entered.
void RequestTermination();
bool TerminationRequested();

// Runs until WM_QUIT or a termination request; returns the exit code.
int RunMessageLoop();

} // namespace lunea
