#pragma once
#include <windows.h>

namespace lunea::provider {

INT_PTR CALLBACK SettingsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Shows dialog 101 modally; its result (1 = OK), or -1/0 when it could not appear.
INT_PTR ShowSettingsDialog(HWND parent);

} // namespace lunea::provider
