// The splash and the password prompt of a real start-up, driven from
// outside as a user would: typing, Enter and Escape, a click.
#include "common/desktop_contract.h"
#include "tests/wine/journal_files.h"
#include "tests/wine/program_harness.h"

#include <gtest/gtest.h>

namespace lunea::test {
namespace {

constexpr char kDialogClass[] = "LuneaDialog";
constexpr int kPassEditId = 10;
constexpr int kSplashPictureId = 10;

void PostKey(HWND window, WPARAM key) {
    PostMessageA(window, WM_KEYDOWN, key, 1);
    PostMessageA(window, WM_KEYUP, key, 0xC0000001);
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

} // namespace
} // namespace lunea::test
