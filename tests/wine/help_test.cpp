// The help: the Help button and F1 open LuneaHelp.chm in the shell's viewer
// (Wine's hh.exe, a top-level "HH Parent" window captioned with the help's
// title); without the file the program says so. The viewer is left as
// help-viewer-look.bmp beside the program.
#include "app/control_ids.h"
#include "tests/wine/calendar_driver.h"
#include "tests/wine/journal_files.h"
#include "tests/wine/program_harness.h"
#include "tests/wine/screen_capture.h"

#include <gtest/gtest.h>

#include <string>

namespace lunea::test {
namespace {

constexpr char kViewerClass[] = "HH Parent";
constexpr char kHelpTitle[] = "Lunea Calendar Help";

HWND FindViewer() {
    return FindWindowA(kViewerClass, kHelpTitle);
}

HWND WaitForViewer(DWORD timeoutMs = 20000) {
    for (DWORD waited = 0; waited < timeoutMs; waited += 100) {
        if (HWND viewer = FindViewer())
            return viewer;
        Sleep(100);
    }
    return nullptr;
}

// Ends every help viewer left open, so one test's viewer is not the next one's.
void CloseViewers() {
    while (HWND viewer = FindViewer()) {
        DWORD processId = 0;
        GetWindowThreadProcessId(viewer, &processId);
        HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId);
        if (!process)
            return;
        TerminateProcess(process, 0);
        WaitForSingleObject(process, 10000);
        CloseHandle(process);
        Sleep(200);
    }
}

// Moves the help file aside for a test and brings it back after.
class HelpFileAway {
  public:
    HelpFileAway() : file_(BinaryFolder() + "LuneaHelp.chm"), aside_(file_ + ".aside") {
        moved_ = MoveFileExA(file_.c_str(), aside_.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
    }
    ~HelpFileAway() {
        if (moved_)
            MoveFileExA(aside_.c_str(), file_.c_str(), MOVEFILE_REPLACE_EXISTING);
    }
    HelpFileAway(const HelpFileAway&) = delete;
    HelpFileAway& operator=(const HelpFileAway&) = delete;
    bool Moved() const { return moved_; }

  private:
    std::string file_, aside_;
    bool moved_ = false;
};

void PressF1(HWND window) {
    SetForegroundWindow(window);
    ASSERT_TRUE(WaitUntilForeground(window, 5000));
    INPUT keys[2] = {};
    for (INPUT& key : keys) {
        key.type = INPUT_KEYBOARD;
        key.ki.wVk = VK_F1;
    }
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ASSERT_EQ(SendInput(2, keys, sizeof(INPUT)), 2u);
}

class Help : public FirstStartTest {
  protected:
    void SetUp() override {
        FirstStartTest::SetUp();
        CloseViewers();
    }
    void TearDown() override {
        CloseViewers();
        FirstStartTest::TearDown();
    }
};

TEST_F(Help, TheHelpButtonOpensTheViewerWithoutAMessage) {
    CalendarProcess calendar;
    HWND window = calendar.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    PostMessageA(GetDlgItem(window, ids::HelpButton), BM_CLICK, 0, 0);

    HWND viewer = WaitForViewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(WaitForMessageBox(calendar.ProcessId(), 1000), nullptr);
    SaveWindowLook(viewer, "help-viewer-look.bmp"); // for the eye
}

TEST_F(Help, F1InTheMainWindowOpensTheViewer) {
    CalendarProcess calendar;
    HWND window = calendar.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(calendar.WaitUntilIdle());
    PressF1(window);

    EXPECT_NE(WaitForViewer(), nullptr);
    EXPECT_EQ(WaitForMessageBox(calendar.ProcessId(), 1000), nullptr);
}

TEST_F(Help, F1InTheReportWindowOpensTheViewer) {
    // Two menstruations 28 days apart: one cycle, so the reports open.
    TDayRecord flow;
    flow.Status = 2;
    WriteFileBytes(LocalDataFile(), EncodeRecords({{{2019, 3, 3}, flow}, {{2019, 3, 31}, flow}}));
    CalendarProcess calendar;
    HWND window = calendar.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    PostMessageA(CalendarDriver(window).Control(ids::ReportsButton), BM_CLICK, 0, 0);
    HWND report = WaitForWindow(calendar.ProcessId(), "TReportsForm", nullptr);
    ASSERT_NE(report, nullptr);
    ASSERT_TRUE(calendar.WaitUntilIdle());
    PressF1(report);

    EXPECT_NE(WaitForViewer(), nullptr);
    EXPECT_EQ(WaitForMessageBox(calendar.ProcessId(), 1000), nullptr);
}

TEST_F(Help, WithoutTheHelpFileTheButtonSaysSo) {
    HelpFileAway away;
    ASSERT_TRUE(away.Moved());
    CalendarProcess calendar;
    HWND window = calendar.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    PostMessageA(GetDlgItem(window, ids::HelpButton), BM_CLICK, 0, 0);

    HWND box = WaitForMessageBox(calendar.ProcessId());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), "Can`t open help file!");
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(FindViewer(), nullptr);
}

} // namespace
} // namespace lunea::test
