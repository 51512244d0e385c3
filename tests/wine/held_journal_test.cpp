// A journal the program read at its start but cannot open for writing when it
// saves (another program holds it without write sharing): the session's edits
// go into a recovery file beside it, and the user hears where once, at the
// reload after the provider's save or at the close.
#include "app/control_ids.h"
#include "common/desktop_contract.h"
#include "tests/wine/calendar_driver.h"
#include "tests/wine/journal_files.h"
#include "tests/wine/program_harness.h"

#include <gtest/gtest.h>

namespace lunea::test {
namespace {

class HeldJournal : public FirstStartTest, public ::testing::WithParamInterface<bool> {
  protected:
    void TearDown() override {
        DeleteFileA(RecoveryFile().c_str());
        FirstStartTest::TearDown();
    }
    static std::string RecoveryFile() { return LocalDataFile() + ".recovered"; }
};

TEST_P(HeldJournal, TheEditsGoBesideItAndTheUserHearsWhereOnce) {
    const bool reloadFirst = GetParam();
    TDayRecord recorded;
    recorded.Status = 2;
    const Bytes original = EncodeRecords({{{2019, 12, 1}, recorded}});
    WriteFileBytes(LocalDataFile(), original);
    CalendarProcess calendar;
    const HWND window = calendar.WaitForMainWindow();
    ASSERT_NE(window, nullptr);

    const CalendarDriver driver(window);
    driver.ShowMonth(2019, 12);
    driver.ClickDay(2019, 12, 3);
    driver.Click(ids::PMSBox);
    win::UniqueHandle holder(CreateFileA(LocalDataFile().c_str(), GENERIC_READ, FILE_SHARE_READ,
                                         nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(holder);
    ASSERT_TRUE(driver.Save()) << "the provider's save request is answered";
    EXPECT_EQ(WaitForMessageBox(calendar.ProcessId(), 500), nullptr) << "and shows nothing";
    TDayRecord edited;
    edited.PMS = 1;
    edited.Flag = 1;
    EXPECT_EQ(ReadFileBytes(RecoveryFile()),
              EncodeRecords({{{2019, 12, 1}, recorded}, {{2019, 12, 3}, edited}}));

    if (reloadFirst)
        PostMessageA(window, messages::kReloadJournal, 0, 0);
    else
        PostMessageA(window, WM_CLOSE, 0, 0);
    const HWND box = WaitForMessageBox(calendar.ProcessId());
    ASSERT_NE(box, nullptr);
    EXPECT_NE(MessageBoxText(box).find(RecoveryFile()), std::string::npos) << MessageBoxText(box);
    SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    if (reloadFirst) {
        ASSERT_TRUE(calendar.WaitUntilIdle());
        PostMessageA(window, WM_CLOSE, 0, 0);
        EXPECT_EQ(WaitForMessageBox(calendar.ProcessId(), 1500), nullptr) << "told once";
    }
    ASSERT_TRUE(calendar.WaitForExit());
    holder.Reset();
    EXPECT_EQ(ReadFileBytes(LocalDataFile()), original);
}

INSTANTIATE_TEST_SUITE_P(ReloadOrClose, HeldJournal, ::testing::Bool());

} // namespace
} // namespace lunea::test
