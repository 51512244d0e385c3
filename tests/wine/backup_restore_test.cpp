// Days recorded in the editor, the database cleared, the newest copy
// restored through the real dialog; pictures of the General sheet and of
// the dialog, empty and with the copy, are left beside the program.
#include "app/control_ids.h"
#include "settings/prefs_ids.h"
#include "tests/wine/calendar_driver.h"
#include "tests/wine/journal_files.h"
#include "tests/wine/program_harness.h"
#include "tests/wine/screen_capture.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace lunea::test {
namespace {

constexpr int kBackupList = 20;

void PostKey(HWND window, WPARAM key) {
    PostMessageA(window, WM_KEYDOWN, key, 1);
    PostMessageA(window, WM_KEYUP, key, 0xC0000001);
}

class BackupRestore : public FirstStartTest {
  protected:
    // Opens the dialog and checks what every opening shows.
    HWND OpenRestoreDialog(const CalendarDriver& driver, int copies, const char* look) const {
        PostMessageA(driver.Control(prefs_ids::RestoreBackupButton), BM_CLICK, 0, 0);
        const HWND dialog = WaitForWindow(calendar_.ProcessId(), "LuneaDialog", "Restore backup");
        if (!dialog)
            return nullptr;
        const HWND list = GetDlgItem(dialog, kBackupList);
        EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), copies);
        EXPECT_EQ(IsWindowEnabled(GetDlgItem(dialog, IDOK)) != FALSE, copies > 0);
        GUITHREADINFO thread{};
        thread.cbSize = sizeof thread;
        EXPECT_TRUE(GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &thread));
        EXPECT_EQ(thread.hwndFocus, list);
        RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        EXPECT_TRUE(SaveWindowLook(dialog, look));
        return dialog;
    }
    // Answers the message box that shows next and returns its text.
    std::string Answer(int button) const {
        const HWND box = WaitForMessageBox(calendar_.ProcessId());
        if (!box)
            return "(no message box)";
        const std::string text = MessageBoxText(box);
        SendMessageA(GetDlgItem(box, button), BM_CLICK, 0, 0);
        EXPECT_TRUE(WaitUntilGone(box, 5000));
        return text;
    }
    void RecordOrCheck(const CalendarDriver& driver, bool record) const {
        driver.Click(ids::CalendarButton);
        driver.ShowMonth(2019, 12);
        for (const int day : {10, 11, 12}) {
            driver.ClickDay(2019, 12, day);
            if (record)
                driver.Click(ids::StatusRadio3);
            EXPECT_TRUE(driver.Checked(ids::StatusRadio3)) << day;
        }
    }

    CalendarProcess calendar_;
};

TEST_F(BackupRestore, ClearedDaysComeBackFromTheNewestBackup) {
    const HWND window = calendar_.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    const CalendarDriver driver(window);
    driver.Click(ids::PrefsButton);
    HWND dialog = OpenRestoreDialog(driver, 0, "restore-backup-empty-look.bmp");
    ASSERT_NE(dialog, nullptr);
    PostKey(GetDlgItem(dialog, kBackupList), VK_RETURN); // OK is disabled: nothing happens
    PostKey(GetDlgItem(dialog, kBackupList), VK_ESCAPE);
    ASSERT_TRUE(WaitUntilGone(dialog, 5000));

    RecordOrCheck(driver, true);
    ASSERT_TRUE(driver.Save());
    driver.Click(ids::PrefsButton);
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_TRUE(SaveWindowLook(window, "prefs-general-backup-look.bmp"));
    PostMessageA(driver.Control(prefs_ids::ClearDatabaseButton), BM_CLICK, 0, 0);
    EXPECT_EQ(Answer(IDYES), "Clear entire database? Are you sure?");
    EXPECT_EQ(Answer(IDOK), "Database is empty!");

    dialog = OpenRestoreDialog(driver, 1, "restore-backup-look.bmp");
    ASSERT_NE(dialog, nullptr);
    PostKey(GetDlgItem(dialog, kBackupList), VK_RETURN);
    const std::string question = Answer(IDYES);
    EXPECT_EQ(question.rfind("Replace your journal with the backup of ", 0), 0u) << question;
    EXPECT_NE(question.find(" (3 recorded days)?"), std::string::npos) << question;
    ASSERT_TRUE(WaitUntilGone(dialog, 5000));

    EXPECT_EQ(ReadSavedJournal()->At(2019, 12, 11).Status, 3) << "restored into the file";
    RecordOrCheck(driver, false);
    PostMessageA(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(calendar_.WaitForExit());
    EXPECT_EQ(ReadSavedJournal()->At(2019, 12, 12).Status, 3);
}

} // namespace
} // namespace lunea::test
