// Several users as the organiser's library and the partnerships give them:
// the welcome dialog of a first start, the users menu, switching, transfer.
// Each test leaves a picture of what it showed beside the program.
#include "app/control_ids.h"
#include "common/desktop_contract.h"
#include "tests/wine/calendar_driver.h"
#include "tests/wine/journal_files.h"
#include "tests/wine/partnerships.h"
#include "tests/wine/program_harness.h"
#include "tests/wine/screen_capture.h"

#include <gtest/gtest.h>

namespace lunea::test {
namespace {

constexpr char kDialogClass[] = "LuneaDialog";
constexpr int kUsersBoxId = 20;

TDayRecord Marked(std::uint8_t status, const char* note) {
    TDayRecord day;
    day.Status = status;
    day.Note.Assign(note);
    day.Flag = 1;
    return day;
}

const std::vector<DatedRecord> kLocalDays = {{{2019, 3, 4}, Marked(2, "local")},
                                             {{2019, 12, 31}, Marked(4, "")}};

// Through the wide message: only that one reaches another process's list whole.
std::string ComboText(HWND box, int index) {
    wchar_t text[128] = {};
    SendMessageW(box, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
    char narrow[128] = {};
    WideCharToMultiByte(CP_ACP, 0, text, -1, narrow, sizeof narrow, nullptr, nullptr);
    return narrow;
}

// Opens the users menu, leaves its picture and closes it again.
void SaveUsersMenuLook(const CalendarDriver& driver, DWORD processId) {
    PostMessageA(driver.Control(ids::UsersButton), BM_CLICK, 0, 0);
    const HWND menu = WaitForWindow(processId, "#32768", nullptr);
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(SaveWindowLook(menu, "users-menu-look.bmp"));
    PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(WaitUntilHidden(menu, 5000));
}

class Users : public FirstStartTest {};

TEST_F(Users, AFirstStartWithSeveralUsersAsksWhoseJournalAndRemembersTheChoice) {
    TestUsers users({{"P1", "Anna", ScratchFolder("anna")}, {"P2", "Beth", ScratchFolder("beth")}},
                    {"Carla|carla"});
    CalendarProcess calendar;
    const HWND welcome =
        WaitForWindow(calendar.ProcessId(), kDialogClass, "Welcome to Lunea Calendar", 20000);
    ASSERT_NE(welcome, nullptr);
    const HWND box = GetDlgItem(welcome, kUsersBoxId);
    ASSERT_EQ(SendMessageA(box, CB_GETCOUNT, 0, 0), 4);
    const char* const expected[] = {"Lunea", "Palm - Carla", "PPC - Anna", "PPC - Beth"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(ComboText(box, i), expected[i]);
    EXPECT_EQ(SendMessageA(box, CB_GETCURSEL, 0, 0), 0) << "the local user first";
    EXPECT_TRUE(SaveWindowLook(welcome, "welcome-look.bmp"));

    SendMessageA(box, CB_SETCURSEL, 3, 0);
    PostMessageA(GetDlgItem(welcome, IDOK), BM_CLICK, 0, 0);
    const HWND window = calendar.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    const CalendarDriver driver(window);
    EXPECT_EQ(driver.Text(ids::UsersButton), "PPC - Beth");
    SaveUsersMenuLook(driver, calendar.ProcessId());
    PostMessageA(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(calendar.WaitForExit());
    EXPECT_EQ(ReadSetting("LastUser"), "PPC - Beth");
    EXPECT_TRUE(ReadFileBytes(users.DataFileOf(1))) << "Beth's journal is the one saved";
}

TEST_F(Users, SwitchingSavesTheOldJournalBeforeLoadingTheNewAndRecordsTheUserAtOnce) {
    TestUsers users({{"P1", "Anna", ScratchFolder("anna")}});
    WriteSetting("LastUser", "Lunea");
    WriteFileBytes(users.DataFileOf(0), EncodeRecords({{{2019, 12, 31}, Marked(3, "anna")}}));
    CalendarProcess calendar;
    const HWND window = calendar.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    const CalendarDriver driver(window);
    driver.ShowMonth(2019, 12);
    driver.ClickDay(2019, 12, 31);
    driver.Click(ids::StatusRadio1);

    ASSERT_TRUE(driver.ChooseFromMenu(ids::UsersButton, 1));
    EXPECT_EQ(ReadSetting("LastUser"), "PPC - Anna") << "recorded at once";
    EXPECT_EQ(driver.Text(ids::UsersButton), "PPC - Anna");
    EXPECT_EQ(ReadSavedJournal()->At(2019, 12, 31).Status, 1) << "the local journal was saved";
    EXPECT_TRUE(driver.Checked(ids::StatusRadio3)) << "Anna's journal shows";

    ASSERT_TRUE(driver.ChooseFromMenu(ids::UsersButton, 1)) << "her own item again";
    EXPECT_TRUE(driver.Checked(ids::StatusRadio3));
}

class Transfer : public FirstStartTest {
  protected:
    // Opens the transfer dialog from the users menu of a calendar started as
    // the local user with kLocalDays.
    HWND OpenTransfer(CalendarProcess& calendar, int userCount) {
        window_ = calendar.WaitForMainWindow();
        if (!window_)
            return nullptr;
        // "Transfer data..." follows the users and the separator.
        if (!CalendarDriver(window_).ChooseFromMenu(ids::UsersButton, userCount))
            return nullptr;
        return WaitForWindow(calendar.ProcessId(), kDialogClass, "Transfer data");
    }
    void SetUp() override {
        FirstStartTest::SetUp();
        WriteSetting("LastUser", "Lunea");
        WriteFileBytes(LocalDataFile(), EncodeRecords(kLocalDays));
    }
    HWND window_ = nullptr;
};

TEST_F(Transfer, WritesTheOtherUsersFileWithExactlyTheRecordedDaysAndLeavesTheCurrent) {
    TestUsers users({{"P1", "Anna", ScratchFolder("anna")}});
    WriteFileBytes(users.DataFileOf(0), EncodeRecords({{{2018, 5, 5}, Marked(1, "gone")}}));
    CalendarProcess calendar;
    const HWND transfer = OpenTransfer(calendar, 2);
    ASSERT_NE(transfer, nullptr);
    const HWND box = GetDlgItem(transfer, kUsersBoxId);
    EXPECT_EQ(SendMessageA(box, CB_GETCOUNT, 0, 0), 1) << "every user but the current one";
    EXPECT_EQ(ComboText(box, 0), "PPC - Anna");
    EXPECT_TRUE(SaveWindowLook(transfer, "transfer-look.bmp"));

    PostMessageA(GetDlgItem(transfer, IDOK), BM_CLICK, 0, 0);
    const HWND done = WaitForMessageBox(calendar.ProcessId());
    ASSERT_NE(done, nullptr);
    EXPECT_EQ(MessageBoxText(done), "Your data was transfered to PPC - Anna");
    SendMessageA(GetDlgItem(done, IDOK), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntilHidden(transfer, 5000));
    EXPECT_EQ(ReadFileBytes(users.DataFileOf(0)), EncodeRecords(kLocalDays));
    EXPECT_EQ(ReadFileBytes(LocalDataFile()), EncodeRecords(kLocalDays));
    EXPECT_EQ(CalendarDriver(window_).Text(ids::UsersButton), "Lunea") << "still the current";
}

TEST_F(Transfer, ToAUserWhoseFolderIsMissingSaysWhyAndWritesNothing) {
    TestUsers users(
        {{"P1", "Anna", ScratchFolder("anna")}, {"P2", "Beth", ScratchFolder("beth"), false}});
    CalendarProcess calendar;
    const HWND transfer = OpenTransfer(calendar, 3);
    ASSERT_NE(transfer, nullptr);
    SendMessageA(GetDlgItem(transfer, kUsersBoxId), CB_SETCURSEL, 1, 0);
    PostMessageA(GetDlgItem(transfer, IDOK), BM_CLICK, 0, 0);
    const HWND error = WaitForMessageBox(calendar.ProcessId());
    ASSERT_NE(error, nullptr);
    const std::string text = MessageBoxText(error);
    EXPECT_NE(text.find("PPC - Beth"), std::string::npos) << text;
    EXPECT_EQ(text.find("was transfered"), std::string::npos) << text;
    SendMessageA(GetDlgItem(error, IDOK), BM_CLICK, 0, 0);
    EXPECT_TRUE(IsWindowVisible(transfer)) << "the user may choose another";
    EXPECT_EQ(GetFileAttributesA(users.Partners()[1].folder.c_str()), INVALID_FILE_ATTRIBUTES);
    PostMessageA(transfer, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(WaitUntilHidden(transfer, 5000));
}

} // namespace
} // namespace lunea::test
