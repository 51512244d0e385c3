// The Charts page of the running program: which chart shows when, the
// temperature chart following the month navigation, and pictures of both
// charts (charts-cycles-look.bmp, charts-temperature-look.bmp) for the eye.
#include "app/control_ids.h"
#include "tests/wine/calendar_driver.h"
#include "tests/wine/journal_files.h"
#include "tests/wine/program_harness.h"
#include "tests/wine/screen_capture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace lunea::test {
namespace {

// Six cycles from May to November 2019 with temperatures through October
// and the first days of November.
std::vector<DatedRecord> SixCycles() {
    std::vector<DatedRecord> records;
    const CivilDate starts[] = {{2019, 5, 6},  {2019, 6, 3},  {2019, 7, 2},
                                {2019, 7, 31}, {2019, 8, 27}, {2019, 9, 26},
                                {2019, 10, 24}};
    for (const CivilDate& start : starts)
        for (int i = 0; i < 4; ++i) {
            TDayRecord flow;
            flow.Status = 2;
            records.push_back({SerialToDate(DateToSerial(start) + i), flow});
        }
    for (int i = 0; i < 40; ++i) {
        const std::int32_t serial = DateToSerial({2019, 9, 26}) + i;
        if (i % 5 == 3)
            continue; // a day without a reading
        auto found = std::find_if(records.begin(), records.end(), [serial](const DatedRecord& r) {
            return DateToSerial(r.date) == serial;
        });
        if (found == records.end()) {
            records.push_back({SerialToDate(serial), {}});
            found = records.end() - 1;
        }
        found->day.Temperature = (i % 28) < 14 ? 36.3 + 0.05 * (i % 3) : 36.8 + 0.05 * (i % 2);
    }
    std::sort(records.begin(), records.end(), [](const DatedRecord& a, const DatedRecord& b) {
        return DateToSerial(a.date) < DateToSerial(b.date);
    });
    return records;
}

int RecordedTemperatures(const std::vector<DatedRecord>& records, int month) {
    return static_cast<int>(std::count_if(records.begin(), records.end(), [month](const auto& r) {
        return r.date.month == month && r.day.Temperature > 0;
    }));
}

// The temperature chart's points are its only pure red pixels: the
// number of groups of red columns is the number of points plotted.
int PlottedPoints(HWND chart) {
    RECT rect{};
    GetWindowRect(chart, &rect);
    const PixelImage picture = CaptureScreenRect(rect);
    int groups = 0;
    bool inGroup = false;
    for (int x = 0; x < picture.width; ++x) {
        bool red = false;
        for (int y = 0; y < picture.height && !red; ++y)
            red = picture.At(x, y) == Rgb(255, 0, 0);
        groups += red && !inGroup;
        inGroup = red;
    }
    return groups;
}

class ChartsPage : public ::testing::Test {
  protected:
    void SetUp() override {
        DeleteSettingsKey();
        WriteFileBytes(LocalDataFile(), EncodeRecords(records_));
    }
    void TearDown() override {
        DeleteFileA(LocalDataFile().c_str());
        DeleteSettingsKey();
    }
    const std::vector<DatedRecord> records_ = SixCycles();
};

TEST_F(ChartsPage, OpensOnTheCycleChartAndTheTemperatureChartFollowsTheMonth) {
    CalendarProcess calendar;
    const HWND window = calendar.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    const CalendarDriver driver(window);
    driver.ShowMonth(2019, 11);
    EXPECT_FALSE(IsWindowVisible(driver.Control(ids::TempChartBtn)));

    driver.Click(ids::ChartsRadioBtn);
    EXPECT_TRUE(driver.Checked(ids::ChartsRadioBtn));
    EXPECT_FALSE(IsWindowVisible(driver.Control(ids::MainImage)));
    EXPECT_TRUE(IsWindowVisible(driver.Control(ids::MonthButton)));
    EXPECT_TRUE(IsWindowVisible(driver.Control(ids::Chart2)));
    EXPECT_FALSE(IsWindowVisible(driver.Control(ids::Chart1)));
    EXPECT_TRUE(driver.Checked(ids::CycleChartBtn));
    EXPECT_TRUE(SaveWindowLook(window, "charts-cycles-look.bmp"));

    driver.Click(ids::TempChartBtn);
    EXPECT_TRUE(IsWindowVisible(driver.Control(ids::Chart1)));
    EXPECT_FALSE(IsWindowVisible(driver.Control(ids::Chart2)));
    EXPECT_EQ(PlottedPoints(driver.Control(ids::Chart1)), RecordedTemperatures(records_, 11));
    driver.Click(ids::SpeedButton6); // October
    EXPECT_EQ(PlottedPoints(driver.Control(ids::Chart1)), RecordedTemperatures(records_, 10));
    EXPECT_TRUE(SaveWindowLook(window, "charts-temperature-look.bmp"));

    // Left on the temperature chart, entered again on the cycle chart.
    driver.Click(ids::CalendarBtn);
    EXPECT_TRUE(IsWindowVisible(driver.Control(ids::MainImage)));
    EXPECT_FALSE(IsWindowVisible(driver.Control(ids::PrintChartBtn)));
    driver.Click(ids::ChartsRadioBtn);
    EXPECT_TRUE(IsWindowVisible(driver.Control(ids::Chart2)));
    EXPECT_TRUE(driver.Checked(ids::CycleChartBtn));
    EXPECT_FALSE(driver.Checked(ids::TempChartBtn));
}

} // namespace
} // namespace lunea::test
