#include "app/control_ids.h"
#include "tests/wine/calendar_driver.h"
#include "tests/wine/journal_files.h"
#include "tests/wine/program_harness.h"
#include "tests/wine/screen_capture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

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

// Alt held, a key pressed and released, Alt released: through the real
// keyboard, to the window in the foreground.
void PressAltWith(WORD key) {
    INPUT inputs[4] = {};
    const WORD keys[4] = {VK_MENU, key, key, VK_MENU};
    for (int i = 0; i < 4; ++i) {
        inputs[i].type = INPUT_KEYBOARD;
        inputs[i].ki.wVk = keys[i];
        inputs[i].ki.wScan = static_cast<WORD>(MapVirtualKeyA(keys[i], MAPVK_VK_TO_VSC));
        inputs[i].ki.dwFlags =
            (i >= 2 ? KEYEVENTF_KEYUP : 0) | (keys[i] == VK_MENU ? 0 : KEYEVENTF_EXTENDEDKEY);
    }
    SendInput(4, inputs, sizeof(INPUT));
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
    void Press(WORD key) {
        PressAltWith(key);
        Sleep(100);
        calendar_.WaitUntilIdle();
    }

    CalendarProcess calendar_;
};

TEST_F(CalendarKeys, AltKeysMoveTheSelectedDayAcrossMonthsAndStopAtTheTablesEnd) {
    const HWND window = calendar_.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    const CalendarDriver driver(window);
    driver.ShowMonth(2005, 1);
    driver.ClickDay(2005, 1, 31);
    ASSERT_TRUE(WaitUntilForeground(window, 5000));
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

} // namespace
} // namespace lunea::test
