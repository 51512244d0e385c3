#pragma once
#include "common/unique_win.h"

#include <windows.h>

#include <string>

namespace lunea::test {

// Folder of the test executable; the deliverables are built beside it.
std::string BinaryFolder();

// A started copy of LuneaCalendar.exe; ended (and waited for) on destruction.
class CalendarProcess {
  public:
    CalendarProcess();
    ~CalendarProcess(); // ends the program if it still runs
    CalendarProcess(const CalendarProcess&) = delete;
    CalendarProcess& operator=(const CalendarProcess&) = delete;

    bool Started() const { return static_cast<bool>(process_); }
    // Waits for the main window to appear; null when it never does.
    HWND WaitForMainWindow(DWORD timeoutMs = 20000);
    // Waits for the process to end; false on time-out.
    bool WaitForExit(DWORD timeoutMs = 20000);
    DWORD ExitCode() const;
    // Ends the program at once, as a crash or a power cut would; any thread may.
    void Kill() const;
    // Waits until the program has handled what is queued for it and waits for input.
    bool WaitUntilIdle(DWORD timeoutMs = 10000);
    DWORD ProcessId() const { return processId_; }

  private:
    win::UniqueHandle process_;
    DWORD processId_ = 0;
};

// The top-level main window of the given process, or null.
HWND FindMainWindowOf(DWORD processId);

// Waits for a message box (a top-level dialog) of the given process.
HWND WaitForMessageBox(DWORD processId, DWORD timeoutMs = 10000);
// Waits for a visible top-level window of the process with that class and,
// unless null, that caption.
HWND WaitForWindow(DWORD processId, const char* className, const char* caption,
                   DWORD timeoutMs = 10000);
// Waits until the window is hidden or gone.
bool WaitUntilHidden(HWND window, DWORD timeoutMs);
// A modal dialog is destroyed only once its loop has ended, so what is posted
// after this reaches the owner's own loop rather than the dialog's.
bool WaitUntilGone(HWND window, DWORD timeoutMs);
// Waits until the window is the active one again: a menu opened while the
// activation is still moving back from a closed dialog is cancelled by it.
bool WaitUntilForeground(HWND window, DWORD timeoutMs);
// The text a message box shows.
std::string MessageBoxText(HWND box);

} // namespace lunea::test
