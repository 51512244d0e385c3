// The chart component and the Charts page's two charts, through the
// recording canvas.
#include "app/chart_contents.h"
#include "components/chart/chart.h"
#include "components/canvas/recording_canvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

namespace lunea {
namespace {

constexpr Rect kBounds{4, 4, 344, 315};

std::int32_t Serial(int year, int month, int day) {
    return DateToSerial({year, month, day});
}

std::vector<std::string> Labels(const std::vector<AxisTick>& ticks) {
    std::vector<std::string> labels;
    for (const AxisTick& tick : ticks)
        labels.push_back(tick.label);
    return labels;
}

TEST(ChartTicks, StepsAreOneTwoOrFiveTimesAPowerOfTenAndLabelsReadWell) {
    struct Case {
        double range;
        int count;
        double step;
    } const cases[] = {{10, 5, 2},        {1.2, 6, 0.2},     {31, 15, 5}, {37, 4, 10},
                       {0.003, 3, 0.001}, {2e300, 5, 5e299}, {0, 5, 1},   {-3, 5, 1}};
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(NiceStep(c.range, c.count), c.step) << c.range << "/" << c.count;
    EXPECT_EQ(Labels(NumberTicks({36.3, 37.1}, 4, ',')),
              (std::vector<std::string>{"36,4", "36,6", "36,8", "37,0"}));
    EXPECT_EQ(DateLabel(Serial(2004, 3, 5)), "05.3.2004");
    EXPECT_EQ(Labels(DateTicks({Serial(2004, 1, 20) + 0.0, Serial(2004, 4, 10) + 0.0}, 4)),
              (std::vector<std::string>{"01.2.2004", "01.3.2004", "01.4.2004"}));
    EXPECT_EQ(ValueText(28, '.'), "28");
    EXPECT_EQ(ValueText(36.25, ','), "36,25");
}

// A foreign or damaged journal may hold any double: the chart draws, ends
// and keeps its labels within its bounds.
TEST(Chart, AbsurdValuesDrawWithinTheChart) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<std::vector<double>> journals = {
        {36.6, 1e300}, {-5, 36.6}, {nan, 36.6, inf}, {-inf, 1e-300}, {1e300, 1e300}, {-1e308}};
    for (const Chart& base : {MakeTemperatureChart(), MakeCycleChart()})
        for (const auto& values : journals) {
            Chart chart = base;
            for (std::size_t i = 0; i < values.size(); ++i)
                chart.series.Add(Serial(2004, 1, 1) + 30.0 * i, values[i], 255);
            RecordingCanvas canvas;
            chart.Draw(canvas, kBounds);
            const auto texts = canvas.CallsOf<TextCall>();
            ASSERT_FALSE(texts.empty());
            for (const TextCall& text : texts) {
                const TextExtent extent = canvas.MeasureText(text.text, text.font);
                EXPECT_GE(text.at.x, kBounds.left) << text.text;
                EXPECT_GE(text.at.y, kBounds.top) << text.text;
                EXPECT_LE(text.at.x + extent.width, kBounds.right) << text.text;
                EXPECT_LE(text.at.y + extent.height, kBounds.bottom) << text.text;
            }
            for (const auto& line : canvas.CallsOf<PolylineCall>())
                for (const Point& p : line.points)
                    EXPECT_LT(std::abs(p.y), 1 << 21);
        }
}

class ChartContents : public ::testing::Test {
  protected:
    std::unique_ptr<DayTable> days = std::make_unique<DayTable>();
};

TEST_F(ChartContents, TheDayAxisSpansTheMonthAndTemperaturesArePlottedInTheirScale) {
    Chart chart = MakeTemperatureChart();
    FillTempChart(chart, *days, 2016, 2, false);
    EXPECT_EQ(chart.bottomAxis.maximum, 29);
    FillTempChart(chart, *days, 2016, 3, false);
    EXPECT_EQ(chart.bottomAxis.maximum, 31);
    EXPECT_TRUE(chart.series.Points().empty());

    days->At(2016, 3, 4).Temperature = 36.6;
    days->At(2016, 3, 9).Temperature = 36.9;
    days->At(2016, 3, 12).Temperature = 0.0; // not recorded
    days->At(2016, 3, 31).Temperature = 36.2;
    FillTempChart(chart, *days, 2016, 3, false);
    EXPECT_EQ(chart.leftAxis.title, "t, \xB0"
                                    "C");
    ASSERT_EQ(chart.series.Points().size(), 3u);
    EXPECT_DOUBLE_EQ(chart.series.Points()[0].y, 36.6);
    FillTempChart(chart, *days, 2016, 3, true);
    EXPECT_EQ(chart.leftAxis.title, "t, \xB0"
                                    "F");
    EXPECT_NEAR(chart.series.Points()[0].y, 97.88, 1e-9);

    RecordingCanvas canvas;
    chart.Draw(canvas, kBounds);
    const auto markers = canvas.CallsOf<EllipseCall>();
    const auto line = canvas.CallsOf<PolylineCall>();
    ASSERT_EQ(markers.size(), 3u);
    ASSERT_EQ(line.size(), 1u);
    EXPECT_EQ(markers[0].bounds.Width(), 3);
    // The line runs from the first recorded day to the last, through the 9th.
    EXPECT_EQ(line[0].points.front().x, markers[0].bounds.left + 1);
    EXPECT_EQ(line[0].points[1].x, markers[1].bounds.left + 1);
    EXPECT_EQ(line[0].points[2].x, markers[2].bounds.left + 1);
    EXPECT_GT(markers[2].bounds.left, markers[1].bounds.left);
}

// The golden picture shows the coverline in Celsius; here its value in
// Fahrenheit, and the Cycle chart, which draws none.
TEST_F(ChartContents, TheCoverlineFollowsTheScaleAndOnlyALineSeriesDrawsIt) {
    days->At(2016, 3, 16).Temperature = 36.7;
    const TemperatureShift shift{DateToSerial({2016, 3, 16}), 36.5};
    Chart chart = MakeTemperatureChart();
    FillTempChart(chart, *days, 2016, 3, true);
    ShowTemperatureShift(chart, shift, true);
    RecordingCanvas canvas;
    chart.Draw(canvas, kBounds);
    const auto texts = canvas.CallsOf<TextCall>();
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(),
                            [](const TextCall& t) { return t.text == "97.8"; }));

    Chart cycles = MakeCycleChart();
    cycles.series.Add(DateToSerial({2016, 3, 1}), 28, kRed);
    ShowTemperatureShift(cycles, shift, false);
    RecordingCanvas bars;
    cycles.Draw(bars, kBounds);
    for (const LineCall& line : bars.CallsOf<LineCall>())
        EXPECT_NE(line.pen.color, kBlue) << "a bar chart draws no level";
}

TEST_F(ChartContents, TheCycleChartShowsUpToSixCyclesBegunBeforeTheMonthsEnd) {
    CycleAnalysis analysis;
    // Newest first; the newest bar shows the effective length, the others
    // their observed lengths whatever they are.
    const std::int32_t starts[] = {Serial(2004, 8, 31), Serial(2004, 8, 1), Serial(2004, 7, 4),
                                   Serial(2004, 6, 6),  Serial(2004, 5, 9), Serial(2004, 4, 1),
                                   Serial(2004, 3, 5),  Serial(2004, 2, 1)};
    const int lengths[] = {30, 30, 28, 28, 27, 38, 27, 33};
    for (int i = 0; i < 8; ++i) {
        analysis.startDates[i + 1] = starts[i];
        analysis.cycleLengths[i + 1] = lengths[i];
    }
    analysis.cycleCount = 8;
    struct Case {
        int month;
        std::vector<std::int32_t> bars; // by date, oldest first
        double newest;
    } const cases[] = {
        {8, {starts[6], starts[5], starts[4], starts[3], starts[2], starts[1]}, 30},
        {9, {starts[5], starts[4], starts[3], starts[2], starts[1], starts[0]}, 30},
        {3, {starts[7], starts[6]}, 27},
        {1, {}, 0},
    };
    for (const Case& c : cases) {
        Chart chart = MakeCycleChart();
        FillCycleChart(chart, analysis, 2004, c.month);
        std::vector<std::int32_t> bars;
        for (const ChartPoint& p : chart.series.Points())
            bars.push_back(static_cast<std::int32_t>(p.x));
        EXPECT_EQ(bars, c.bars) << c.month;
        if (!bars.empty()) {
            EXPECT_EQ(chart.series.Points().back().y, c.newest) << c.month;
        }
    }

    Chart chart = MakeCycleChart();
    FillCycleChart(chart, analysis, 2004, 8);
    RecordingCanvas canvas;
    chart.Draw(canvas, kBounds);
    const auto bars = canvas.CallsOf<GradientCall>();
    ASSERT_EQ(bars.size(), 7u) << "the background and six bars";
    const auto texts = canvas.CallsOf<TextCall>();
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const TextCall& t) {
        return t.text == "38";
    })) << "an observed length outside 24..40 has its mark";
    // Bars fill 40 % of their slot: six slots across the plot.
    const int slot = bars[2].rect.left - bars[1].rect.left;
    EXPECT_GT(slot, 0);
    analysis.startDates[1] = 0;
    FillCycleChart(chart, analysis, 2004, 9);
    EXPECT_TRUE(chart.series.Points().empty()) << "no cycle at all";
}

} // namespace
} // namespace lunea
