// The Charts page of the running program: which chart shows when, the
// temperature chart following the month navigation, and pictures of both
// charts (charts-cycles-look.bmp, charts-temperature-look.bmp) for the eye.
#include "app/control_ids.h"
#include "tests/wine/calendar_driver.h"
#include "tests/wine/journal_files.h"
#include "tests/wine/native_command.h"
#include "tests/wine/page_pixels.h"
#include "tests/wine/printed_pages.h"
#include "tests/wine/printer_harness.h"
#include "tests/wine/program_harness.h"
#include "tests/wine/screen_capture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace lunea::test {
namespace {

// Six cycles from May to November 2026 with temperatures through October
// and the first days of November.
std::vector<DatedRecord> SixCycles() {
    std::vector<DatedRecord> records;
    const CivilDate starts[] = {{2026, 5, 6},  {2026, 6, 3},  {2026, 7, 2},  {2026, 7, 31},
                                {2026, 8, 27}, {2026, 9, 26}, {2026, 10, 24}};
    for (const CivilDate& start : starts)
        for (int i = 0; i < 4; ++i) {
            TDayRecord flow;
            flow.Status = 2;
            records.push_back({SerialToDate(DateToSerial(start) + i), flow});
        }
    for (int i = 0; i < 40; ++i) {
        const std::int32_t serial = DateToSerial({2026, 9, 26}) + i;
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

constexpr Color kCycleChartTop = 12189695;
constexpr Color kCycleChartBottom = 13041606;
constexpr int kRenderDpi = 50;

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
            red = picture.At(x, y) == kRed;
        groups += red && !inGroup;
        inGroup = red;
    }
    return groups;
}

// The coverline and the shift's ring are the chart's only pure blue.
bool ShowsCoverline(HWND chart) {
    RECT rect{};
    GetWindowRect(chart, &rect);
    const PixelImage picture = CaptureScreenRect(rect);
    return std::count(picture.pixels.begin(), picture.pixels.end(), kBlue) > 0;
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
    driver.ShowMonth(2026, 11);
    EXPECT_FALSE(IsWindowVisible(driver.Control(ids::TempChartButton)));

    driver.Click(ids::ChartsButton);
    EXPECT_TRUE(driver.Checked(ids::ChartsButton));
    EXPECT_FALSE(IsWindowVisible(driver.Control(ids::MonthImage)));
    EXPECT_TRUE(IsWindowVisible(driver.Control(ids::MonthButton)));
    EXPECT_TRUE(IsWindowVisible(driver.Control(ids::CycleChart)));
    EXPECT_FALSE(IsWindowVisible(driver.Control(ids::TempChart)));
    EXPECT_TRUE(driver.Checked(ids::CycleChartButton));
    EXPECT_TRUE(SaveWindowLook(window, "charts-cycles-look.bmp"));

    driver.Click(ids::TempChartButton);
    EXPECT_TRUE(IsWindowVisible(driver.Control(ids::TempChart)));
    EXPECT_FALSE(IsWindowVisible(driver.Control(ids::CycleChart)));
    EXPECT_EQ(PlottedPoints(driver.Control(ids::TempChart)), RecordedTemperatures(records_, 11));
    EXPECT_FALSE(ShowsCoverline(driver.Control(ids::TempChart))) << "no shift in November";
    driver.Click(ids::PreviousMonthButton); // October
    EXPECT_EQ(PlottedPoints(driver.Control(ids::TempChart)), RecordedTemperatures(records_, 10));
    EXPECT_TRUE(ShowsCoverline(driver.Control(ids::TempChart))) << "the rise of the 10th";
    EXPECT_TRUE(SaveWindowLook(window, "charts-temperature-look.bmp"));

    // Left on the temperature chart, entered again on the cycle chart.
    driver.Click(ids::CalendarButton);
    EXPECT_TRUE(IsWindowVisible(driver.Control(ids::MonthImage)));
    EXPECT_FALSE(IsWindowVisible(driver.Control(ids::PrintChartButton)));
    driver.Click(ids::ChartsButton);
    EXPECT_TRUE(IsWindowVisible(driver.Control(ids::CycleChart)));
    EXPECT_TRUE(driver.Checked(ids::CycleChartButton));
    EXPECT_FALSE(driver.Checked(ids::TempChartButton));
}

TEST_F(ChartsPage, PrintChartPrintsTheShowingChartOnOnePageKeepingItsProportions) {
    CalendarProcess calendar;
    const HWND window = calendar.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    const CalendarDriver driver(window);
    driver.ShowMonth(2026, 11);
    driver.Click(ids::ChartsButton);

    PrintedPdfs printed;
    // Posted: the print dialog runs its own loop.
    PostMessageA(driver.Control(ids::PrintChartButton), BM_CLICK, 0, 0);
    ASSERT_TRUE(PressDialogButton(calendar.ProcessId(), "Print", IDCANCEL));
    PostMessageA(driver.Control(ids::PrintChartButton), BM_CLICK, 0, 0);
    ASSERT_TRUE(PressDialogButton(calendar.ProcessId(), "Print", IDOK));
    const auto pdf = printed.WaitFor("Lunea Chart", "printed-cycle-chart.pdf");
    ASSERT_TRUE(pdf) << "the cancelled dialog printed nothing, the accepted one a job";
    const auto page = RenderPdfPage(*pdf, 1, kRenderDpi);
    ASSERT_TRUE(page);
    const auto info = RunNativeCommand({"pdfinfo", UnixPathOf(*pdf)});
    ASSERT_TRUE(info);
    const auto pages = info->output.find("Pages:");
    ASSERT_NE(pages, std::string::npos) << info->output;
    EXPECT_EQ(std::atoi(info->output.c_str() + pages + 6), 1) << "one page";

    const Rect ink = InkBounds(*page);
    const int margin = 15 * kRenderDpi * 10 / 254; // 15 mm
    EXPECT_GE(ink.left, margin - 1);
    EXPECT_GE(ink.top, margin - 1);
    EXPECT_LE(ink.right, page->width - margin + 1);
    EXPECT_NEAR(static_cast<double>(ink.Width()) / ink.Height(), 340.0 / 311.0, 0.02);
    EXPECT_GE(ink.Width() * 100 / (page->width - 2 * margin), 98) << "as wide as the margins allow";
    const Color cycleColours[] = {kCycleChartTop, kCycleChartBottom};
    const Rect gradient = BoundsOf(*page, cycleColours, 8);
    EXPECT_GT(gradient.Height(), ink.Height() * 9 / 10) << "the cycle chart's background";
    EXPECT_GT(ShareOf(*page, ink, kRed, 40), 0.01) << "the bars";
    EXPECT_TRUE(driver.Save()) << "the program goes on";
}

TEST_F(ChartsPage, WithoutAPrinterPrintingSaysSoAndTheProgramGoesOn) {
    const PrintQueueRemoved noPrinter;
    ASSERT_TRUE(noPrinter.Removed());
    CalendarProcess calendar;
    const HWND window = calendar.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    const CalendarDriver driver(window);
    driver.Click(ids::ChartsButton);
    PostMessageA(driver.Control(ids::PrintChartButton), BM_CLICK, 0, 0);
    const HWND box = WaitForMessageBox(calendar.ProcessId());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), "No printer is installed.");
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntilGone(box, 5000));
    driver.Click(ids::TempChartButton);
    EXPECT_TRUE(IsWindowVisible(driver.Control(ids::TempChart)));
    EXPECT_TRUE(driver.Save());
}

} // namespace
} // namespace lunea::test
