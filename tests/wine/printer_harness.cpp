#include "tests/wine/printer_harness.h"

#include "tests/wine/native_command.h"
#include "tests/wine/program_harness.h"

#include <dlgs.h>
#include <gtest/gtest.h>

#include <string>

namespace lunea::test {
namespace {

// Runs the session's queue script ("add" or "remove"); a failure fails the test.
bool ChangePrintQueue(const char* change) {
    char script[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableA("LUNEA_PRINT_QUEUE", script, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        ADD_FAILURE() << "LUNEA_PRINT_QUEUE is not set: run the tests in the Wine session";
        return false;
    }
    const auto run = RunNativeCommand({"bash", script, change});
    if (!run || run->exitCode != 0) {
        ADD_FAILURE() << "print queue " << change << ": " << (run ? run->output : "no end");
        return false;
    }
    return true;
}

} // namespace

PrintQueueRemoved::PrintQueueRemoved() : removed_(ChangePrintQueue("remove")) {}

PrintQueueRemoved::~PrintQueueRemoved() {
    ChangePrintQueue("add");
}

bool PressDialogButton(DWORD processId, const char* caption, int buttonId, DWORD timeoutMs) {
    const HWND dialog = WaitForWindow(processId, "#32770", caption, timeoutMs);
    const HWND button = dialog ? GetDlgItem(dialog, buttonId) : nullptr;
    if (!button)
        return false;
    // Sent, so the click is handled when this returns; with a time-out, as the
    // click may open a modal box that would keep a plain send waiting.
    DWORD_PTR result = 0;
    SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, &result);
    return true;
}

bool ChoosePaper(DWORD processId, short paper, DWORD timeoutMs) {
    const HWND dialog = WaitForWindow(processId, "#32770", "Print Setup", timeoutMs);
    const HWND papers = dialog ? GetDlgItem(dialog, cmb2) : nullptr;
    if (!papers)
        return false;
    // Each entry carries its paper code; the dialog reads the selection when
    // the list tells it of a change.
    const auto count = static_cast<int>(SendMessageW(papers, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        if (SendMessageW(papers, CB_GETITEMDATA, i, 0) != paper)
            continue;
        SendMessageW(papers, CB_SETCURSEL, i, 0);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(cmb2, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(papers));
        return true;
    }
    return false;
}

} // namespace lunea::test
