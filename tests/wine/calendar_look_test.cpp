// A month full of data as a person sees it: the test checks what a pixel
// probe can, and leaves a picture of the window beside the program
// (calendar-look.bmp) for the eye.
#include "app/control_ids.h"
#include "app/month_view.h"
#include "tests/wine/calendar_driver.h"
#include "tests/wine/journal_files.h"
#include "tests/wine/program_harness.h"
#include "tests/wine/screen_capture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace lunea::test {
namespace {

TDayRecord Flow(std::uint8_t status) {
    TDayRecord day;
    day.Status = status;
    day.Temperature = 36.3;
    return day;
}

// Starts on 8 October and 1 November 2026 (24 days): November shows its
// flow, the fertile days 8..12 with boy and girl marks, and the predicted
// flow from 25 November.
std::vector<DatedRecord> FilledNovember() {
    std::vector<DatedRecord> records;
    const std::uint8_t flow[] = {3, 3, 2, 1, 1};
    for (int i = 0; i < 5; ++i) {
        records.push_back({{2026, 10, 8 + i}, Flow(flow[i])});
        records.push_back({{2026, 11, 1 + i}, Flow(flow[i])});
    }
    for (int day = 6; day <= 24; ++day) {
        TDayRecord record;
        record.Temperature = day < 12 ? 36.4 : 36.8;
        record.Status = day == 9 ? 5 : day == 10 ? 6 : day == 16 ? 4 : 0;
        record.PMS = day >= 21;
        record.Sex = day == 10 || day == 12;
        record.Protect = day == 12;
        record.Appointment = day == 18;
        record.Secrets = day == 14;
        if (day == 7 || day == 18)
            record.Note.Assign("check-up at ten");
        records.push_back({{2026, 11, day}, record});
    }
    std::sort(records.begin(), records.end(), [](const DatedRecord& a, const DatedRecord& b) {
        return DateToSerial(a.date) < DateToSerial(b.date);
    });
    return records;
}

class CalendarLook : public ::testing::Test {
  protected:
    void SetUp() override {
        DeleteSettingsKey();
        WriteFileBytes(LocalDataFile(), EncodeRecords(FilledNovember()));
    }
    void TearDown() override {
        DeleteFileA(LocalDataFile().c_str());
        DeleteSettingsKey();
    }
};

TEST_F(CalendarLook, AFilledMonthShowsColoursIconsAndTheEditor) {
    // The last slot shows the boy and girl marks.
    const int kinds[8] = {1, 2, 3, 4, 5, 6, 7, 10};
    for (int slot = 0; slot < 8; ++slot)
        WriteSetting("calIcon" + std::to_string(slot), std::to_string(kinds[slot]));
    CalendarProcess calendar;
    const HWND window = calendar.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    const CalendarDriver driver(window);
    driver.ShowMonth(2026, 11);
    driver.ClickDay(2026, 11, 12);

    EXPECT_EQ(driver.CellColor(2026, 11, 2), Color{13027071});
    EXPECT_EQ(driver.CellColor(2026, 11, 10), Color{13106894});
    EXPECT_EQ(driver.CellColor(2026, 11, 26), Color{16762618});
    EXPECT_EQ(driver.CellColor(2026, 11, 20), Color{15780518});
    EXPECT_EQ(driver.Text(ids::NoteEdit), "");
    EXPECT_TRUE(driver.Checked(ids::SexBox));
    EXPECT_TRUE(driver.Checked(ids::ProtectBox));
    EXPECT_EQ(driver.Text(ids::TempEdit), "36.8");

    // Each recorded day's icons cover part of its cell.
    const CellDayList cells = MonthCells(2026, 11, false);
    const Rect cell =
        DayCellRect(static_cast<int>(std::find(cells.begin(), cells.end(), 12) - cells.begin()));
    int iconPixels = 0;
    for (int y = cell.top + 2; y < cell.top + 46; ++y)
        for (int x = cell.left + 17; x < cell.left + 46; ++x)
            iconPixels += driver.PixelOfImage(x, y) != Color{13106894};
    EXPECT_GT(iconPixels, 150);

    EXPECT_TRUE(SaveWindowLook(window, "calendar-look.bmp"));
}

} // namespace
} // namespace lunea::test
