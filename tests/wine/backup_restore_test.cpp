// The copies of the journal, worked from outside: days recorded in the
// editor, the database cleared, the newest copy restored through the real
// dialog. The test leaves pictures of the General sheet and the dialog.
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

// "YYYY-MM-DD HH:MM" of the only copy in the Backups folder, from its name
// "Lunea-YYYY-MM-DD-HHMM.dat"; empty unless there is exactly one.
std::string OnlyBackupTime() {
    const std::string folder = BinaryFolder() + "Backups\\";
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((folder + "Lunea-*.dat").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return {};
    const std::string name = found.cFileName;
    const bool more = FindNextFileA(search, &found);
    FindClose(search);
    if (more || name.size() != 25)
        return {};
    return name.substr(6, 10) + " " + name.substr(17, 2) + ":" + name.substr(19, 2);
}

HWND FocusOf(HWND window) {
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread))
        return nullptr;
    return thread.hwndFocus;
}

class BackupRestore : public FirstStartTest {
  protected:
    CalendarDriver Start() {
        calendar_ = std::make_unique<CalendarProcess>();
        window_ = calendar_->WaitForMainWindow();
        EXPECT_NE(window_, nullptr);
        return CalendarDriver(window_);
    }
    HWND OpenRestoreDialog(const CalendarDriver& driver) const {
        PostMessageA(driver.Control(prefs_ids::RestoreBackupButton), BM_CLICK, 0, 0);
        return WaitForWindow(calendar_->ProcessId(), "LuneaDialog", "Restore backup");
    }
    // Answers the message box that shows next and returns its text.
    std::string Answer(int button) const {
        const HWND box = WaitForMessageBox(calendar_->ProcessId());
        if (!box)
            return "(no message box)";
        const std::string text = MessageBoxText(box);
        SendMessageA(GetDlgItem(box, button), BM_CLICK, 0, 0);
        EXPECT_TRUE(WaitUntilGone(box, 5000));
        return text;
    }

    std::unique_ptr<CalendarProcess> calendar_;
    HWND window_ = nullptr;
};

TEST_F(BackupRestore, ClearedDaysComeBackFromTheNewestBackup) {
    const CalendarDriver driver = Start();
    driver.Click(ids::PrefsButton);
    HWND dialog = OpenRestoreDialog(driver);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(SendMessageA(GetDlgItem(dialog, kBackupList), LVM_GETITEMCOUNT, 0, 0), 0);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDOK))) << "nothing to restore";
    EXPECT_EQ(FocusOf(dialog), GetDlgItem(dialog, kBackupList));
    RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_TRUE(SaveWindowLook(dialog, "restore-backup-empty-look.bmp"));
    PostKey(GetDlgItem(dialog, kBackupList), VK_RETURN);
    PostKey(GetDlgItem(dialog, kBackupList), VK_ESCAPE);
    ASSERT_TRUE(WaitUntilGone(dialog, 5000));

    driver.Click(ids::CalendarButton);
    driver.ShowMonth(2019, 12);
    for (const int day : {10, 11, 12}) {
        driver.ClickDay(2019, 12, day);
        driver.Click(ids::StatusRadio3);
    }
    ASSERT_TRUE(driver.Save());
    ASSERT_EQ(ReadSavedJournal()->At(2019, 12, 11).Status, 3);

    driver.Click(ids::PrefsButton);
    RedrawWindow(window_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_TRUE(SaveWindowLook(window_, "prefs-general-backup-look.bmp"));
    PostMessageA(driver.Control(prefs_ids::ClearDatabaseButton), BM_CLICK, 0, 0);
    EXPECT_EQ(Answer(IDYES), "Clear entire database? Are you sure?");
    EXPECT_EQ(Answer(IDOK), "Database is empty!");

    dialog = OpenRestoreDialog(driver);
    ASSERT_NE(dialog, nullptr);
    const HWND list = GetDlgItem(dialog, kBackupList);
    ASSERT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 1);
    const std::string copyTime = OnlyBackupTime();
    ASSERT_FALSE(copyTime.empty()) << "one copy, made by the clearing";
    EXPECT_EQ(FocusOf(dialog), list);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDOK)));
    RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_TRUE(SaveWindowLook(dialog, "restore-backup-look.bmp"));
    PostKey(list, VK_RETURN);
    const std::string question = Answer(IDYES);
    EXPECT_EQ(question.rfind(
                  "Replace your journal with the backup of " + copyTime + " (3 recorded days)?", 0),
              0u)
        << question;
    ASSERT_TRUE(WaitUntilGone(dialog, 5000));

    EXPECT_EQ(ReadSavedJournal()->At(2019, 12, 11).Status, 3) << "restored into the file";
    driver.Click(ids::CalendarButton);
    driver.ShowMonth(2019, 12);
    for (const int day : {10, 11, 12}) {
        driver.ClickDay(2019, 12, day);
        EXPECT_TRUE(driver.Checked(ids::StatusRadio3)) << day;
    }
    PostMessageA(window_, WM_CLOSE, 0, 0);
    ASSERT_TRUE(calendar_->WaitForExit());
    EXPECT_EQ(ReadSavedJournal()->At(2019, 12, 12).Status, 3);
}

} // namespace
} // namespace lunea::test
