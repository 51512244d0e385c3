// Both reports with journals no user types but a foreign file may hold:
// every drawing stays near the picture and nothing beyond the table shows.
#include "tests/unit/report_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace lunea {
namespace {

using testing::ReportJournal;

const ReportRenderer* const kRenderers[] = {&StandardReport(), &AdvancedReport()};

// A little beyond the picture: as far as a clipped point and its circle lie.
void ExpectInsideBand(const RecordingCanvas& canvas, PictureSize size) {
    constexpr int kBeyond = 1003;
    for (const DrawCall& call : canvas.Calls())
        for (const Point& p : testing::PointsOf(call)) {
            ASSERT_GE(p.x, -kBeyond);
            ASSERT_LE(p.x, size.width + kBeyond);
            ASSERT_GE(p.y, -kBeyond);
            ASSERT_LE(p.y, size.height + kBeyond);
        }
}

TEST(ReportRobustness, ForeignTemperaturesStayNearThePicture) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    const double temperatures[] = {1e300, -1e300, kInf, -kInf, std::nan(""), -5.0, 1e-300, 90.0};
    for (const ReportRenderer* renderer : kRenderers)
        for (double temperature : temperatures) {
            ReportJournal journal;
            journal.Cycles({2019, 1, 1}, {28});
            journal.Day({2019, 1, 1}, 3).Temperature = 36.5;
            journal.Day({2019, 1, 1}, 4).Temperature = temperature;
            journal.Day({2019, 1, 1}, 5).Temperature = 36.6;
            RecordingCanvas canvas;
            const ReportInput input = journal.Input();
            renderer->Draw(canvas, input);
            ExpectInsideBand(canvas, renderer->SizeOf(input));
            const std::size_t points = testing::TemperaturePoints(canvas).size();
            EXPECT_EQ(points, temperature > 1.0 ? 3u : 2u) << temperature;
        }
}

TEST(ReportRobustness, DaysPastTheTableDrawNothing) {
    for (const ReportRenderer* renderer : kRenderers) {
        ReportJournal journal;
        journal.Day({2078, 12, 30}).Status = 0;
        journal.Day({2078, 12, 31}).Status = 2;
        journal.Day({2078, 12, 31}).Temperature = 36.5;
        RecordingCanvas canvas;
        renderer->Draw(canvas, journal.Input());
        const std::vector<TextCall> dates = testing::TextsAt(canvas, 20);
        ASSERT_EQ(dates.size(), 2u) << "the caption and the 31st";
        EXPECT_EQ(dates[1].text, "31");
        EXPECT_EQ(canvas.CallsOf<ImageCall>().size(), 1u);
        EXPECT_EQ(testing::TemperaturePoints(canvas).size(), 1u);
    }
}

TEST(ReportRobustness, PagesAreCutToTheCyclesLeft) {
    ReportJournal journal;
    journal.Cycles({2019, 1, 1}, {28, 28, 28, 28}); // five cycles
    const struct {
        int first, perPage, drawn;
    } cases[] = {{1, 3, 3}, {4, 3, 2},  {5, 6, 1}, {6, 3, 0},
                 {0, 3, 0}, {-1, 3, 0}, {2, 0, 1}, {1, 1000, 5}};
    for (const ReportRenderer* renderer : kRenderers)
        for (const auto& c : cases) {
            const ReportInput input = journal.Input(c.first, c.perPage);
            const PictureSize size = renderer->SizeOf(input);
            RecordingCanvas canvas;
            renderer->Draw(canvas, input);
            const std::size_t rectangles = canvas.CallsOf<RectangleCall>().size();
            EXPECT_EQ(rectangles, c.drawn == 0 ? 0u : 1u + c.drawn) << c.first << "," << c.perPage;
            EXPECT_EQ(size.Empty(), c.drawn == 0);
            EXPECT_EQ(size.height, c.drawn * (renderer == &StandardReport() ? 534 : 372));
        }
}

TEST(ReportRobustness, FiveHundredCyclesAndHandEditedSettingsStayNearThePicture) {
    ReportJournal journal;
    // A start every 14 days for twenty years: the analysis keeps 500.
    for (CivilDate start{2000, 1, 2}; start.year <= 2019; start = testing::DaysAfter(start, 14))
        journal.Flow(start, 2);
    const struct {
        int fixedLength, luteal, fertile;
    } settings[] = {
        {0, 14, 5}, {2147483647, 2147483647, 2147483647}, {-2147483647 - 1, -5, -9}, {45, 14, 5}};
    for (const ReportRenderer* renderer : kRenderers)
        for (const auto& s : settings) {
            journal.settings.customCycleLength = s.fixedLength;
            journal.settings.lutealPhaseLength = s.luteal;
            journal.settings.fertileDays = s.fertile;
            const ReportInput input = journal.Input(1, 600);
            ASSERT_EQ(journal.cycles.cycleCount, 500);
            RecordingCanvas canvas;
            renderer->Draw(canvas, input);
            ExpectInsideBand(canvas, renderer->SizeOf(input));
            EXPECT_LE(renderer->Notes(input).size(), 500u * 4u + 7306u);
        }
}

} // namespace
} // namespace lunea
