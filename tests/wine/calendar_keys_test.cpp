#include "app/control_ids.h"
#include "tests/wine/calendar_driver.h"
#include "tests/wine/journal_files.h"
#include "tests/wine/program_harness.h"
#include "tests/wine/screen_capture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace lunea::test {
namespace {

std::string NoteOf(CivilDate date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

// Every day the keys reach carries its own date as its note, so the note
// box says which day the editor shows.
const CivilDate kNotedDays[] = {{2005, 1, 28}, {2005, 1, 31},  {2005, 2, 1},  {2005, 2, 28},
                                {2005, 3, 7},  {2078, 12, 24}, {2078, 12, 31}};

// A key pressed and released with a modifier held (0: none): through the
// real keyboard, to the window in the foreground.
void PressWith(WORD modifier, WORD key) {
    std::vector<INPUT> inputs;
    const auto add = [&inputs](WORD code, bool up) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = code;
        input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(code, MAPVK_VK_TO_VSC));
        const bool navigation = (code >= VK_PRIOR && code <= VK_DOWN);
        input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (navigation ? KEYEVENTF_EXTENDEDKEY : 0);
        inputs.push_back(input);
    };
    if (modifier)
        add(modifier, false);
    add(key, false);
    add(key, true);
    if (modifier)
        add(modifier, true);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

class CalendarKeys : public FirstStartTest {
  protected:
    void SetUp() override {
        FirstStartTest::SetUp();
        std::vector<DatedRecord> records;
        for (const CivilDate date : kNotedDays) {
            TDayRecord day;
            day.Note.Assign(NoteOf(date));
            records.push_back({date, day});
        }
        WriteFileBytes(LocalDataFile(), EncodeRecords(records));
    }

    // Presses the key and waits until the program has handled it.
    void Press(WORD key, WORD modifier = VK_MENU) {
        PressWith(modifier, key);
        Sleep(100);
        calendar_.WaitUntilIdle();
    }

    // The main window in the foreground with 31 January 2005 selected;
    // null when it did not get there.
    HWND StartOnTheLastOfJanuary() {
        const HWND window = calendar_.WaitForMainWindow();
        if (!window)
            return nullptr;
        const CalendarDriver driver(window);
        driver.ShowMonth(2005, 1);
        driver.ClickDay(2005, 1, 31);
        return WaitUntilForeground(window, 5000) ? window : nullptr;
    }

    CalendarProcess calendar_;
};

TEST_F(CalendarKeys, AltKeysMoveTheSelectedDayAcrossMonthsAndStopAtTheTablesEnd) {
    const HWND window = StartOnTheLastOfJanuary();
    ASSERT_NE(window, nullptr);
    const CalendarDriver driver(window);
    EXPECT_EQ(driver.Text(ids::NoteEdit), "2005-01-31");

    const struct {
        WORD key;
        const char* caption;
        CivilDate shown;
    } steps[] = {
        {VK_RIGHT, "February, 2005", {2005, 2, 1}},   {VK_LEFT, "January, 2005", {2005, 1, 31}},
        {VK_NEXT, "February, 2005", {2005, 2, 28}},   {VK_DOWN, "March, 2005", {2005, 3, 7}},
        {VK_UP, "February, 2005", {2005, 2, 28}},     {VK_PRIOR, "January, 2005", {2005, 1, 28}},
        {VK_PRIOR, "December, 2004", {2004, 12, 28}}, {VK_NEXT, "January, 2005", {2005, 1, 28}},
    };
    for (const auto& step : steps) {
        Press(step.key);
        EXPECT_EQ(driver.Text(ids::MonthButton), step.caption) << "key " << step.key;
        const bool noted = std::any_of(std::begin(kNotedDays), std::end(kNotedDays),
                                       [&](CivilDate d) { return d == step.shown; });
        EXPECT_EQ(driver.Text(ids::NoteEdit), noted ? NoteOf(step.shown) : "")
            << "key " << step.key << " should show " << NoteOf(step.shown);
    }

    // The focus stays in the note, no menu opened on the Alt release.
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    ASSERT_TRUE(GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread));
    EXPECT_EQ(thread.hwndFocus, driver.Control(ids::NoteEdit));
    EXPECT_EQ(thread.flags & (GUI_INMENUMODE | GUI_SYSTEMMENUMODE), 0u);
    EXPECT_TRUE(SaveWindowLook(window, "calendar-keys-look.bmp"));

    driver.ShowMonth(2078, 12);
    driver.ClickDay(2078, 12, 24);
    Press(VK_DOWN);
    EXPECT_EQ(driver.Text(ids::NoteEdit), "2078-12-31");
    for (WORD key : {VK_DOWN, VK_RIGHT, VK_NEXT}) {
        Press(key);
        EXPECT_EQ(driver.Text(ids::MonthButton), "December, 2078") << "key " << key;
        EXPECT_EQ(driver.Text(ids::NoteEdit), "2078-12-31") << "key " << key;
    }

    Press(VK_HOME);
    const CivilDate today = DaySelectedAtStart();
    EXPECT_EQ(driver.Text(ids::MonthButton), MonthButtonCaption(today.year, today.month));
}

int FocusedControl(HWND window) {
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread))
        return -1;
    return thread.hwndFocus ? GetDlgCtrlID(thread.hwndFocus) : 0;
}

TEST_F(CalendarKeys, TabWalksTheEditorInReadingOrderAndSpaceTicksTheFocusedBox) {
    const HWND window = StartOnTheLastOfJanuary();
    ASSERT_NE(window, nullptr);
    const CalendarDriver driver(window);
    ASSERT_EQ(FocusedControl(window), ids::NoteEdit);

    // From the note, the last control, Tab goes round to the first.
    const int readingOrder[] = {
        ids::StatusButton, ids::StatusRadio0, ids::StatusRadio1,   ids::StatusRadio2,
        ids::StatusRadio3, ids::StatusRadio4, ids::StatusRadio5,   ids::StatusRadio6,
        ids::TempBox,      ids::TempEdit,     ids::TempEditButton, ids::PMSBox,
        ids::SexBox,       ids::CrampingBox,  ids::ProtectBox,     ids::AppointBox,
        ids::SecretBox,    ids::NoteEdit,
    };
    for (const int expected : readingOrder) {
        Press(VK_TAB, 0);
        EXPECT_EQ(FocusedControl(window), expected);
    }
    EXPECT_EQ(driver.Text(ids::NoteEdit), "2005-01-31") << "Tab typed nothing into the note";
    for (const int expected : {ids::SecretBox, ids::AppointBox, ids::ProtectBox}) {
        Press(VK_TAB, VK_SHIFT);
        EXPECT_EQ(FocusedControl(window), expected) << "Shift+Tab";
    }

    ASSERT_FALSE(driver.Checked(ids::ProtectBox));
    Press(VK_SPACE, 0);
    EXPECT_TRUE(driver.Checked(ids::ProtectBox));
    EXPECT_EQ(FocusedControl(window), ids::ProtectBox) << "the redraw left the focus there";
    EXPECT_TRUE(SaveWindowLook(window, "calendar-tab-focus-look.bmp"));
    ASSERT_TRUE(driver.Save());
    EXPECT_EQ(ReadSavedJournal()->At(2005, 1, 31).Protect, 1);
}

} // namespace
} // namespace lunea::test
