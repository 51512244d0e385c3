#include "provider/settings_dialog_win.h"

#include "provider/module_state_win.h"
#include "provider/resource_ids_win.h"

namespace lunea::provider {

// The dialog only informs: OK and Cancel end it, nothing is stored.
INT_PTR CALLBACK SettingsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG)
        return TRUE;
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

INT_PTR ShowSettingsDialog(HWND parent) {
    return DialogBoxParamA(Module().instance, MAKEINTRESOURCEA(IDD_SETTINGS), parent,
                           SettingsDialogProc, 0);
}

} // namespace lunea::provider
