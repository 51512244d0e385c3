#include "app/control_ids.h"
#include "app/main_window_layout.h"
#include "tests/wine/calendar_driver.h"
#include "tests/wine/journal_files.h"
#include "tests/wine/program_harness.h"

#include <gtest/gtest.h>

namespace lunea::test {
namespace {

// The default colours of the four day kinds.
const Color kClearDay = 15780518;
const Color kFlowDay = 13027071;
const Color kFertileDay = 13106894;
const Color kPredictedDay = 16762618;

class CalendarPage : public FirstStartTest {
  protected:
    CalendarDriver Start() {
        window_ = calendar_.WaitForMainWindow();
        EXPECT_NE(window_, nullptr);
        return CalendarDriver(window_);
    }

    CalendarProcess calendar_;
    HWND window_ = nullptr;
};

TEST_F(CalendarPage, StartsOnTodaysMonthWithItsEditor) {
    const CalendarDriver driver = Start();
    const CivilDate today = DaySelectedAtStart();
    EXPECT_EQ(driver.Text(ids::MonthButton), MonthButtonCaption(today.year, today.month));
    EXPECT_EQ(driver.Text(ids::StatusButton), "Dry");
    EXPECT_TRUE(driver.Checked(ids::StatusRadio0));
    EXPECT_EQ(driver.Text(ids::TempEdit), "35.5");
    EXPECT_EQ(driver.Text(ids::TempUnitLabel), "\xB0"
                                               "C");
    EXPECT_FALSE(driver.Checked(ids::TempBox));
    EXPECT_TRUE(driver.Checked(ids::CalendarButton));
}

TEST_F(CalendarPage, EveryControlStandsWhereTheLayoutSaysWithItsClassAndText) {
    const CalendarDriver driver = Start();
    for (const ControlSpec& entry : MainWindowLayout()) {
        const HWND control = driver.Control(entry.id);
        ASSERT_NE(control, nullptr) << entry.id;
        char className[64] = {};
        GetClassNameA(control, className, sizeof className);
        EXPECT_STRCASEEQ(className, entry.windowClass) << entry.id;
        RECT bounds{};
        GetWindowRect(control, &bounds);
        MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&bounds), 2);
        EXPECT_EQ((Rect{bounds.left, bounds.top, bounds.right, bounds.bottom}), entry.bounds)
            << entry.id;
        if (!entry.text.empty()) {
            EXPECT_EQ(driver.Text(entry.id), entry.text) << entry.id;
        }
        const HWND page = PageOf(entry.id) ? driver.Control(PageOf(entry.id)) : window_;
        EXPECT_TRUE(page == window_ ? GetParent(control) == window_ : IsChild(page, control))
            << entry.id << " stands in its page";
    }
}

TEST_F(CalendarPage, PagingKeepsTheYearWithinTheTable) {
    const CalendarDriver driver = Start();
    driver.ShowMonth(2078, 12);
    driver.Click(ids::NextMonthButton);
    EXPECT_EQ(driver.Text(ids::MonthButton), "December, 2078") << "no month after December 2078";
    driver.Click(ids::PreviousMonthButton);
    EXPECT_EQ(driver.Text(ids::MonthButton), "November, 2078");
    driver.ShowMonth(2000, 1);
    EXPECT_EQ(driver.Text(ids::MonthButton), "January, 2000");
    driver.Click(ids::PreviousMonthButton);
    EXPECT_EQ(driver.Text(ids::MonthButton), "January, 2000") << "no month before January 2000";
    driver.Click(ids::NextMonthButton);
    EXPECT_EQ(driver.Text(ids::MonthButton), "February, 2000");
}

TEST_F(CalendarPage, TheMonthMenuChangesTheMonthOnly) {
    const CalendarDriver driver = Start();
    const int year = DaySelectedAtStart().year;
    ASSERT_TRUE(driver.ChooseFromMenu(ids::MonthButton, 2));
    EXPECT_EQ(driver.Text(ids::MonthButton), MonthButtonCaption(year, 3));
    driver.Click(ids::StatusRadio1);
    ASSERT_TRUE(driver.Save());
    EXPECT_EQ(ReadSavedJournal()->At(year, 3, 1).Status, 1) << "the new month selects its day 1";
}

TEST_F(CalendarPage, ClickedCellsSelectTheirDayAndOthersNothing) {
    const CalendarDriver driver = Start();
    driver.ShowMonth(2019, 11);
    driver.ClickDay(2019, 11, 14);
    driver.Click(ids::StatusRadio3);
    // Clicks on the header row, on an empty cell and right of the grid select nothing.
    driver.MouseAt(ids::MonthImage, 100, 10);
    driver.MouseAt(ids::MonthImage, 10, 30); // 1 November 2019 is a Friday: Sunday's cell is empty
    driver.MouseAt(ids::MonthImage, 337, 100);
    driver.Click(ids::PMSBox);
    // Any mouse button selects a day.
    const HWND image = driver.Control(ids::MonthImage);
    SendMessageA(image, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5 * 48 + 10, 18 + 2 * 48 + 10));
    SendMessageA(image, WM_RBUTTONUP, 0, MAKELPARAM(5 * 48 + 10, 18 + 2 * 48 + 10));
    driver.Click(ids::SexBox); // 15 November: row 2, Friday
    ASSERT_TRUE(driver.Save());

    const auto saved = ReadSavedJournal();
    const TDayRecord& day = saved->At(2019, 11, 14);
    EXPECT_EQ(day.Status, 3);
    EXPECT_EQ(day.PMS, 1);
    EXPECT_EQ(day.Flag, 1);
    EXPECT_EQ(day.Sex, 0);
    EXPECT_EQ(saved->At(2019, 11, 15).Sex, 1);
    EXPECT_EQ(saved->At(2019, 11, 1).Flag, 0) << "paging selected day 1 but changed nothing";
    EXPECT_EQ(driver.Text(ids::MonthButton), "November, 2019") << "a cell click keeps the month";
}

TEST_F(CalendarPage, RecordedAndPredictedFlowShowInTheirColours) {
    const CalendarDriver driver = Start();
    // Two menstruations 24 days apart: 8..10 October and 1..3 November 2019.
    driver.ShowMonth(2019, 10);
    for (int day = 8; day <= 10; ++day) {
        driver.ClickDay(2019, 10, day);
        driver.Click(ids::StatusRadio3);
    }
    driver.Click(ids::NextMonthButton);
    for (int day = 1; day <= 3; ++day) {
        driver.ClickDay(2019, 11, day);
        driver.Click(ids::StatusRadio2);
    }
    // Next start predicted on 25 November; its fertile window is 8..12 November.
    EXPECT_EQ(driver.CellColor(2019, 11, 2), kFlowDay);
    EXPECT_EQ(driver.CellColor(2019, 11, 10), kFertileDay);
    EXPECT_EQ(driver.CellColor(2019, 11, 20), kClearDay);
    EXPECT_EQ(driver.CellColor(2019, 11, 25), kPredictedDay);
    EXPECT_EQ(driver.CellColor(2019, 11, 29), kPredictedDay);
    EXPECT_EQ(driver.CellColor(2019, 11, 30), kClearDay);
    // The selected day, 3 November (a Sunday: first column, first row), wears
    // the yellow frame; its neighbour's border stays black.
    EXPECT_EQ(driver.PixelOfImage(24, 18 + 48), kYellow);
    EXPECT_EQ(driver.PixelOfImage(48 + 24, 18 + 48), kBlack);
    ASSERT_TRUE(driver.Save());
    const auto saved = ReadSavedJournal();
    EXPECT_EQ(saved->At(2019, 10, 9).Status, 3);
    EXPECT_EQ(saved->At(2019, 11, 3).Status, 2);
    EXPECT_EQ(saved->At(2019, 11, 3).Flag, 1);
}

} // namespace
} // namespace lunea::test
