// The splash and the password prompt of a real start-up, driven from
// outside as a user would: typing, Enter and Escape, a click.
#include "common/desktop_contract.h"
#include "tests/wine/journal_files.h"
#include "tests/wine/partnerships.h"
#include "tests/wine/program_harness.h"

#include <gtest/gtest.h>

namespace lunea::test {
namespace {

constexpr char kDialogClass[] = "LuneaDialog";
constexpr int kPassEditId = 10;
constexpr int kSplashPictureId = 10;
constexpr int kUsersBoxId = 20;

void PostKey(HWND window, WPARAM key) {
    PostMessageA(window, WM_KEYDOWN, key, 1);
    PostMessageA(window, WM_KEYUP, key, 0xC0000001);
}

// The main window exists, hidden, while the start-up dialogs show.
HWND HiddenMainWindow(DWORD processId) {
    HWND window = nullptr;
    while ((window = FindWindowExA(nullptr, window, kMainWindowClass, nullptr))) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId)
            return window;
    }
    return nullptr;
}

// As the provider asks: sent, and answered once handled.
bool Request(HWND window, UINT message) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, message, 0, 0, SMTO_ABORTIFHUNG, 15000, &result) != 0;
}

HWND WaitForPrompt(const CalendarProcess& calendar) {
    return WaitForWindow(calendar.ProcessId(), kDialogClass, "Lunea Calendar Protection", 20000);
}

using StartUpDialogs = FirstStartTest;

TEST_F(StartUpDialogs, TheSplashClosesByItselfAndAtOnceOnAClick) {
    CalendarProcess calendar;
    HWND splash = WaitForWindow(calendar.ProcessId(), kDialogClass, "About");
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(WaitUntilHidden(splash, 10000)) << "the splash closes by itself";
    const HWND window = calendar.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    PostMessageA(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(calendar.WaitForExit());

    CalendarProcess again;
    splash = WaitForWindow(again.ProcessId(), kDialogClass, "About");
    ASSERT_NE(splash, nullptr);
    SendMessageA(GetDlgItem(splash, kSplashPictureId), WM_LBUTTONDOWN, MK_LBUTTON,
                 MAKELPARAM(20, 20));
    // Well before its two seconds are up.
    EXPECT_TRUE(WaitUntilHidden(splash, 1000));
    ASSERT_NE(again.WaitForMainWindow(), nullptr);
}

TEST_F(StartUpDialogs, AWrongPasswordIsRefusedAndTheRightOneOpensTheCalendar) {
    WriteSetting("Quorv", "Se cret");
    CalendarProcess calendar;
    const HWND prompt = WaitForPrompt(calendar);
    ASSERT_NE(prompt, nullptr);
    const HWND edit = GetDlgItem(prompt, kPassEditId);
    for (const char* wrong : {"se cret", "Se cret ", ""}) {
        SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wrong));
        PostKey(edit, VK_RETURN);
        const HWND box = WaitForMessageBox(calendar.ProcessId());
        ASSERT_NE(box, nullptr) << wrong;
        EXPECT_EQ(MessageBoxText(box), "Incorrect Password!");
        SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
        // Gone, not only hidden: the box empties the edit once its call has
        // returned, and a question asked before that would be answered first.
        ASSERT_TRUE(WaitUntilGone(box, 5000));
        char text[64] = "unchanged";
        SendMessageA(edit, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
        EXPECT_STREQ(text, "") << "emptied for the next try";
        EXPECT_TRUE(IsWindowVisible(prompt));
    }
    EXPECT_EQ(FindMainWindowOf(calendar.ProcessId()), nullptr) << "nothing shown yet";
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Se cret"));
    PostKey(edit, VK_RETURN);
    EXPECT_NE(calendar.WaitForMainWindow(), nullptr);
}

TEST_F(StartUpDialogs, EscapeAtThePasswordEndsTheProgramWithoutWritingTheJournal) {
    WriteSetting("Quorv", "secret");
    CalendarProcess calendar;
    const HWND prompt = WaitForPrompt(calendar);
    ASSERT_NE(prompt, nullptr);
    PostKey(GetDlgItem(prompt, kPassEditId), VK_ESCAPE);
    ASSERT_TRUE(calendar.WaitForExit());
    EXPECT_EQ(calendar.ExitCode(), 0u);
    EXPECT_EQ(GetFileAttributesA(LocalDataFile().c_str()), INVALID_FILE_ATTRIBUTES)
        << "no journal written";
    EXPECT_EQ(ReadSetting("LastUser"), "Lunea") << "the last user is still recorded";
}

TEST_F(StartUpDialogs, ProviderRequestsBeforeTheUserIsChosenTouchNoJournal) {
    TDayRecord day;
    day.Status = 2;
    WriteFileBytes(LocalDataFile(), EncodeRecords({{{2019, 3, 4}, day}}));
    TestUsers users({{"P1", "Anna", ScratchFolder("anna")}, {"P2", "Beth", ScratchFolder("beth")}});
    day.Status = 4;
    const Bytes beth = EncodeRecords({{{2020, 1, 2}, day}});
    WriteFileBytes(users.DataFileOf(1), beth);
    WriteSetting("Quorv", "pw");
    CalendarProcess calendar;
    ASSERT_NE(WaitForWindow(calendar.ProcessId(), kDialogClass, "About", 20000), nullptr);
    const HWND window = HiddenMainWindow(calendar.ProcessId());
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(Request(window, messages::kReloadJournal)) << "during the splash";

    const HWND welcome =
        WaitForWindow(calendar.ProcessId(), kDialogClass, "Welcome to Lunea Calendar", 20000);
    ASSERT_NE(welcome, nullptr);
    EXPECT_TRUE(Request(window, messages::kReloadJournal)) << "during the welcome dialog";
    SendMessageA(GetDlgItem(welcome, kUsersBoxId), CB_SETCURSEL, 2, 0); // "PPC - Beth"
    PostMessageA(GetDlgItem(welcome, IDOK), BM_CLICK, 0, 0);
    const HWND prompt = WaitForPrompt(calendar);
    ASSERT_NE(prompt, nullptr);
    EXPECT_TRUE(Request(window, messages::kSaveJournal)) << "during the password prompt";
    EXPECT_EQ(ReadFileBytes(users.DataFileOf(1)), beth) << "the local table is not Beth's";

    const HWND edit = GetDlgItem(prompt, kPassEditId);
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("pw"));
    PostKey(edit, VK_RETURN);
    ASSERT_EQ(calendar.WaitForMainWindow(), window);
    PostMessageA(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(calendar.WaitForExit());
    EXPECT_EQ(calendar.ExitCode(), 0u);
    EXPECT_EQ(ReadFileBytes(users.DataFileOf(1)), beth) << "her own days, saved at the close";
}

} // namespace
} // namespace lunea::test
