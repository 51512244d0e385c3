#pragma once
// What printing tests do to the printer around a program: take the session's
// printer away, and answer the system's print dialogs from outside.
#include <windows.h>

namespace lunea::test {

// The session's PDF queue removed (the printed jobs finish first), so a
// program started now finds no printer; added back, as the default printer,
// when this goes. A Wine process reads the printers once, when it starts.
class PrintQueueRemoved {
  public:
    PrintQueueRemoved();
    ~PrintQueueRemoved();
    PrintQueueRemoved(const PrintQueueRemoved&) = delete;
    PrintQueueRemoved& operator=(const PrintQueueRemoved&) = delete;

    bool Removed() const { return removed_; }

  private:
    bool removed_ = false;
};

// Waits for the process's dialog with that caption and clicks one of its
// buttons (IDOK, IDCANCEL). Wine's Print dialog and Print Setup dialog are
// "Print" and "Print Setup".
bool PressDialogButton(DWORD processId, const char* caption, int buttonId, DWORD timeoutMs = 20000);

// Waits for the process's Print Setup dialog and picks the paper of that
// DEVMODE code (DMPAPER_LETTER ...) in its paper list, as the user would;
// false when the dialog or that paper is not there.
bool ChoosePaper(DWORD processId, short paper, DWORD timeoutMs = 20000);

} // namespace lunea::test
