// A journal the program could not read at its start is never written over:
// the session's edits go into a recovery file beside it, and the user hears
// where at the close, not while the provider waits for its save.
#include "app/control_ids.h"
#include "tests/wine/calendar_driver.h"
#include "tests/wine/journal_files.h"
#include "tests/wine/program_harness.h"

#include <gtest/gtest.h>

namespace lunea::test {
namespace {

class UnreadJournal : public FirstStartTest {
  protected:
    void TearDown() override {
        DeleteFileA(RecoveryFile().c_str());
        FirstStartTest::TearDown();
    }
    static std::string RecoveryFile() { return LocalDataFile() + ".recovered"; }
};

TEST_F(UnreadJournal, TheEditsGoBesideItAndTheCloseSaysWhere) {
    TDayRecord recorded;
    recorded.Status = 2;
    const Bytes original = EncodeRecords({{{2019, 12, 1}, recorded}});
    WriteFileBytes(LocalDataFile(), original);
    // Held without sharing while the program starts: it cannot read it.
    win::UniqueHandle holder(
        CreateFileA(LocalDataFile().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(holder);
    CalendarProcess calendar;
    const HWND window = calendar.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    holder.Reset();

    const CalendarDriver driver(window);
    driver.ShowMonth(2019, 12);
    driver.ClickDay(2019, 12, 3);
    driver.Click(ids::PMSBox);
    ASSERT_TRUE(driver.Save()) << "the provider's save request is answered";
    EXPECT_EQ(WaitForMessageBox(calendar.ProcessId(), 500), nullptr) << "and shows nothing";
    EXPECT_EQ(ReadFileBytes(LocalDataFile()), original);
    TDayRecord edited;
    edited.PMS = 1;
    edited.Flag = 1;
    EXPECT_EQ(ReadFileBytes(RecoveryFile()), EncodeRecords({{{2019, 12, 3}, edited}}));

    PostMessageA(window, WM_CLOSE, 0, 0);
    const HWND box = WaitForMessageBox(calendar.ProcessId());
    ASSERT_NE(box, nullptr);
    EXPECT_NE(MessageBoxText(box).find(RecoveryFile()), std::string::npos) << MessageBoxText(box);
    SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(calendar.WaitForExit());
    EXPECT_EQ(ReadFileBytes(LocalDataFile()), original);
}

} // namespace
} // namespace lunea::test
