#include "tests/unit/report_test_support.h"
#include "components/art/image_sets.h"

#include <gtest/gtest.h>

#include <optional>

namespace lunea {
namespace {

using testing::ReportJournal;
using testing::TemperaturePoints;
using testing::TextsAt;

constexpr CivilDate kStart{2019, 1, 1};

std::optional<int> ColumnLineWidth(const RecordingCanvas& canvas, int x, int q) {
    for (const LineCall& line : canvas.CallsOf<LineCall>())
        if (line.from == Point{x, q + 18} && line.to == Point{x, q + 504})
            return line.pen.width;
    return std::nullopt;
}

TEST(StandardReport, ColumnLinesMarkTheWeeksAndTheCycleEndWhichWins) {
    ReportJournal journal;
    journal.Cycles(kStart, {28, 30});
    RecordingCanvas canvas;
    StandardReport().Draw(canvas, journal.Input());
    const struct {
        int block, column, width;
    } cases[] = {{0, 0, 1},  {0, 1, 1},  {0, 7, 2},  {0, 21, 2}, {0, 27, 1},
                 {0, 28, 3}, {0, 35, 2}, {1, 28, 2}, {1, 30, 3}, {1, 41, 1}};
    for (const auto& c : cases)
        EXPECT_EQ(ColumnLineWidth(canvas, 70 + 18 * c.column, 534 * c.block), c.width)
            << c.block << ":" << c.column;
    EXPECT_EQ(TextsAt(canvas, 20, 72).size(), 28u) << "one date for each day of the cycle";
    EXPECT_EQ(TextsAt(canvas, 38, 72).size(), 42u) << "day numbers 1..42 whatever the length";
    EXPECT_EQ(TextsAt(canvas, 38, 72).back().text, "42");
}

TEST(StandardReport, ALengthOutsideThePlausibleRangeIsDrawnWithTheEffectiveLength) {
    const struct {
        int stored, fixedLength, drawn;
    } cases[] = {{45, 0, 28}, {45, 30, 30}, {20, 0, 28}, {40, 0, 40}};
    for (const auto& c : cases) {
        ReportJournal journal;
        journal.settings.customCycleLength = c.fixedLength;
        journal.Cycles(kStart, {c.stored});
        RecordingCanvas canvas;
        StandardReport().Draw(canvas, journal.Input());
        EXPECT_EQ(ColumnLineWidth(canvas, 70 + 18 * c.drawn, 0), 3) << c.stored;
        EXPECT_EQ(TextsAt(canvas, 20, 72).size(), static_cast<std::size_t>(c.drawn)) << c.stored;
    }
}

TEST(StandardReport, TemperaturesAreClampedToTheScaleOfTheChosenUnit) {
    const struct {
        double celsius;
        bool fahrenheit;
        int y; // from the block's top
    } cases[] = {{37.6, false, 126}, {34.5, false, 486},  {37.6, true, 126},  {34.5, true, 486},
                 {36.67, true, 305}, {35.05, false, 477}, {36.0, false, 306}, {37.0, false, 126}};
    for (const auto& c : cases) {
        ReportJournal journal;
        journal.settings.useFahrenheit = c.fahrenheit;
        journal.Cycles(kStart, {28, 28});
        journal.Day(kStart, 28 + 3).Temperature = c.celsius; // day 4 of the second block
        RecordingCanvas canvas;
        StandardReport().Draw(canvas, journal.Input());
        const Point expected{(c.fahrenheit ? 70 : 79) + 18 * 3, 534 + c.y};
        EXPECT_EQ(TemperaturePoints(canvas), std::vector<Point>{expected}) << c.celsius;
    }
}

TEST(StandardReport, RecordedTemperaturesAreJoinedAcrossDaysWithoutOne) {
    ReportJournal journal;
    journal.Cycles(kStart, {28});
    journal.Day(kStart, 2).Temperature = 36.5;
    journal.Day(kStart, 3).Temperature = 1.0; // not recorded
    journal.Day(kStart, 5).Temperature = 36.8;
    RecordingCanvas canvas;
    StandardReport().Draw(canvas, journal.Input());
    const std::vector<Point> points = TemperaturePoints(canvas);
    ASSERT_EQ(points.size(), 2u);
    int joins = 0;
    for (const LineCall& line : canvas.CallsOf<LineCall>())
        joins += line.from == points[1] && line.to == points[0] && line.pen.width == 1;
    EXPECT_EQ(joins, 1);
}

TEST(StandardReport, MonthNamesStandOverTheFirstColumnAndAfterTheLast) {
    const struct {
        CivilDate start;
        int length;
        const char* first;
        const char* last;
    } cases[] = {{{2019, 1, 25}, 28, "January", "February"},
                 {{2018, 9, 20}, 30, "September", "Octomber"},
                 {{2018, 10, 3}, 28, "Octomber", "Octomber"}};
    for (const auto& c : cases) {
        ReportJournal journal;
        journal.Cycles(c.start, {c.length});
        RecordingCanvas canvas;
        StandardReport().Draw(canvas, journal.Input());
        const std::vector<TextCall> names = TextsAt(canvas, 2);
        ASSERT_EQ(names.size(), 3u) << "the caption and two names";
        EXPECT_EQ(names[1].text, c.first);
        EXPECT_EQ(names[1].at.x, 72);
        EXPECT_EQ(names[2].text, c.last);
        EXPECT_EQ(names[2].at.x, 72 + 18 * c.length);
    }
}

TEST(StandardReport, FlowAndIntercourseShowTheirImagesAndEveryTextIsOnWhite) {
    ReportJournal journal;
    journal.Cycles(kStart, {28});
    journal.Day(kStart, 0).Status = 3;
    journal.Day(kStart, 1).Status = 1;
    journal.Day(kStart, 2).Sex = 1;
    RecordingCanvas canvas;
    StandardReport().Draw(canvas, journal.Input(1, 1));
    std::vector<std::tuple<int, int, ImageSetId, int>> images;
    for (const ImageCall& call : canvas.CallsOf<ImageCall>())
        images.emplace_back(call.at.x, call.at.y, call.set, call.index);
    const std::vector<std::tuple<int, int, ImageSetId, int>> expected{
        {71, 73, ImageSetId::Status, 3},
        {89, 73, ImageSetId::Status, 1},
        {107, 73, ImageSetId::Status, 2},
        {107, 55, ImageSetId::Icons, icon::kHeart},
        {125, 73, ImageSetId::Status, 2}};
    EXPECT_EQ(images, expected);
    for (const TextCall& text : canvas.CallsOf<TextCall>()) {
        EXPECT_EQ(text.background, kWhite) << text.text;
        EXPECT_EQ(text.font, (Font{"Arial", -12})) << text.text;
    }
}

TEST(StandardReport, ScaleLabelsFollowTheUnit) {
    for (bool fahrenheit : {false, true}) {
        ReportJournal journal;
        journal.settings.useFahrenheit = fahrenheit;
        journal.Cycles(kStart, {28});
        RecordingCanvas canvas;
        StandardReport().Draw(canvas, journal.Input());
        // t = 12 on the recording canvas: labels 6 pixels under the line's row.
        const std::vector<TextCall> top = TextsAt(canvas, 116);
        ASSERT_EQ(top.size(), 2u);
        EXPECT_EQ(top[0].text, fahrenheit ? "99.0" : "37.0");
        EXPECT_EQ(top[1].at.x, 866 - 35);
        const std::vector<TextCall> middle = TextsAt(canvas, 296);
        ASSERT_EQ(middle.size(), 3u);
        EXPECT_EQ(middle[1].text, fahrenheit ? "\xB0"
                                               "F"
                                             : "\xB0"
                                               "C");
        EXPECT_EQ(TextsAt(canvas, 134).at(0).text, ".9");
        EXPECT_EQ(TextsAt(canvas, 278).at(1).text, ".1");
        EXPECT_EQ(TextsAt(canvas, 476).size(), 2u) << "no tenths under the bottom degree";
    }
}

} // namespace
} // namespace lunea
