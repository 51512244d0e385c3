#include "tests/unit/report_test_support.h"
#include "components/art/image_sets.h"

#include <gtest/gtest.h>

namespace lunea {
namespace {

using testing::ReportJournal;
using testing::TemperaturePoints;
using testing::TextsAt;

constexpr CivilDate kStart{2019, 1, 1};

AdvancedRows NoRows() {
    AdvancedRows rows;
    for (bool AdvancedRows::*row :
         {&AdvancedRows::sex, &AdvancedRows::menses, &AdvancedRows::calendarMethod,
          &AdvancedRows::temperature, &AdvancedRows::mucus, &AdvancedRows::pms,
          &AdvancedRows::cramps, &AdvancedRows::protection, &AdvancedRows::secret,
          &AdvancedRows::appointments, &AdvancedRows::notes})
        rows.*row = false;
    return rows;
}

std::vector<std::pair<int, std::string>> Captions(const RecordingCanvas& canvas) {
    std::vector<std::pair<int, std::string>> captions;
    for (const TextCall& call : canvas.CallsOf<TextCall>())
        if (call.at.x == 3)
            captions.emplace_back(call.at.y, call.text);
    return captions;
}

TEST(AdvancedReport, RowsOfUncheckedEntriesAreLeftOutAndTheFollowingMoveUp) {
    AdvancedRows onlyTemperature = NoRows();
    onlyTemperature.temperature = true;
    AdvancedRows withoutSex;
    withoutSex.sex = false;
    const struct {
        AdvancedRows rows;
        int height;
        std::vector<std::pair<int, std::string>> captions;
    } cases[] = {
        {AdvancedRows{},
         342,
         {{2, "Month"},
          {20, "Date"},
          {38, "Day of cycle"},
          {56, "Sex"},
          {74, "Menses"},
          {92, "Cal. Method"},
          {162, "\xB0"
                "C"},
          {236, "Mucus"},
          {254, "PMS"},
          {272, "Cramps"},
          {290, "Protection"},
          {308, "Secret"},
          {326, "Dr`s App."}}},
        {NoRows(), 54, {{2, "Month"}, {20, "Date"}, {38, "Day of cycle"}}},
        {onlyTemperature,
         180,
         {{2, "Month"},
          {20, "Date"},
          {38, "Day of cycle"},
          {108, "\xB0"
                "C"}}},
        {withoutSex,
         324,
         {{2, "Month"},
          {20, "Date"},
          {38, "Day of cycle"},
          {56, "Menses"},
          {74, "Cal. Method"},
          {144, "\xB0"
                "C"},
          {218, "Mucus"},
          {236, "PMS"},
          {254, "Cramps"},
          {272, "Protection"},
          {290, "Secret"},
          {308, "Dr`s App."}}},
    };
    for (const auto& c : cases) {
        ReportJournal journal;
        journal.rows = c.rows;
        journal.Cycles(kStart, {28, 28});
        RecordingCanvas canvas;
        const ReportInput input = journal.Input(1, 6);
        EXPECT_EQ(AdvancedReport().SizeOf(input), (PictureSize{826, 3 * (c.height + 30)}));
        AdvancedReport().Draw(canvas, input);
        std::vector<std::pair<int, std::string>> firstBlock;
        for (const auto& caption : Captions(canvas))
            if (caption.first < c.height)
                firstBlock.push_back(caption);
        EXPECT_EQ(firstBlock, c.captions) << c.height;
        const auto rects = canvas.CallsOf<RectangleCall>();
        ASSERT_EQ(rects.size(), 4u);
        EXPECT_EQ(rects[2].rect, (Rect{0, c.height + 30, 826, 2 * c.height + 30}));
    }
}

TEST(AdvancedReport, CalendarMethodMarksTheWindowBeforeTheNextStart) {
    const struct {
        int length, luteal, fertile, firstDay, lastDay; // days 1-based
    } cases[] = {{28, 14, 5, 11, 15}, {30, 14, 5, 13, 17}, {28, 12, 3, 15, 17}};
    for (const auto& c : cases) {
        ReportJournal journal;
        journal.settings.lutealPhaseLength = c.luteal;
        journal.settings.fertileDays = c.fertile;
        journal.Cycles(kStart, {c.length});
        RecordingCanvas canvas;
        AdvancedReport().Draw(canvas, journal.Input(1, 1));
        std::vector<int> marked;
        for (const ImageCall& call : canvas.CallsOf<ImageCall>())
            if (call.set == ImageSetId::ReportMarks) {
                EXPECT_EQ(call.index, report_mark::kCalendarMethod);
                EXPECT_EQ(call.at.y, 18 * 5 + 1);
                marked.push_back((call.at.x - 71) / 18 + 1);
            }
        std::vector<int> expected;
        for (int day = c.firstDay; day <= c.lastDay; ++day)
            expected.push_back(day);
        EXPECT_EQ(marked, expected) << c.length;
    }
}

TEST(AdvancedReport, TemperaturesAreNotClampedAndShadedDownToTheLowestLine) {
    // The area's top line is y = 108, its "35,5" line 216.
    const struct {
        double celsius;
        int y;
    } cases[] = {{38.0, 104}, {35.5, 216}, {37.5, 126}, {35.0, 238}, {36.7, 162}};
    for (const auto& c : cases) {
        ReportJournal journal;
        journal.Cycles(kStart, {28});
        journal.Day(kStart, 2).Temperature = 36.3;
        journal.Day(kStart, 5).Temperature = c.celsius;
        RecordingCanvas canvas;
        AdvancedReport().Draw(canvas, journal.Input());
        const std::vector<Point> points = TemperaturePoints(canvas);
        ASSERT_EQ(points.size(), 2u);
        EXPECT_EQ(points[0], (Point{79 + 36, 180}));
        EXPECT_EQ(points[1], (Point{79 + 90, c.y})) << c.celsius;
        const auto shading = canvas.CallsOf<PolygonCall>();
        ASSERT_EQ(shading.size(), 1u);
        EXPECT_EQ(shading[0].points,
                  (std::vector<Point>{points[0], points[1], {169, 216}, {115, 216}}));
        EXPECT_EQ(shading[0].brush, (Brush{15780518}));
        EXPECT_EQ(shading[0].pen.width, 0);
    }
}

TEST(AdvancedReport, ScaleLabelsSitOnTheirLinesInEitherUnit) {
    for (bool fahrenheit : {false, true}) {
        ReportJournal journal;
        journal.settings.useFahrenheit = fahrenheit;
        journal.Cycles(kStart, {28});
        RecordingCanvas canvas;
        AdvancedReport().Draw(canvas, journal.Input(1, 1));
        std::vector<std::string> labels;
        for (const TextCall& call : canvas.CallsOf<TextCall>())
            if (call.at.x == 40)
                labels.push_back(std::to_string(call.at.y) + " " + call.text);
        const std::vector<std::string> expected =
            fahrenheit ? std::vector<std::string>{"120 99,5", "138 98,8", "156 98,1",
                                                  "174 97,3", "192 96,6", "210 95,9"}
                       : std::vector<std::string>{"120 37,5", "138 37,1", "156 36,7",
                                                  "174 36,3", "192 35,9", "210 35,5"};
        EXPECT_EQ(labels, expected);
    }
}

TEST(AdvancedReport, DayNumbersEndWithTheCycleAndMonthNamesNameTheNextStart) {
    ReportJournal journal;
    journal.Cycles({2019, 1, 25}, {28});
    RecordingCanvas canvas;
    AdvancedReport().Draw(canvas, journal.Input());
    EXPECT_EQ(TextsAt(canvas, 38).size(), 1u + 28u) << "the caption and 1..28";
    const std::vector<TextCall> names = TextsAt(canvas, 2);
    ASSERT_EQ(names.size(), 3u);
    EXPECT_EQ(names[1].text, "January");
    EXPECT_EQ(names[2].text, "February");
    EXPECT_EQ(names[2].at.x, 72 + 18 * 28);
}

TEST(AdvancedReport, ObservationsShowTheirImagesInTheirRows) {
    ReportJournal journal;
    journal.Cycles(kStart, {28});
    TDayRecord& day = journal.Day(kStart, 9);
    day.Status = 6;
    day.Sex = day.PMS = day.Cramping = day.Protect = day.Secrets = day.Appointment = 1;
    journal.rows.pms = false;
    RecordingCanvas canvas;
    AdvancedReport().Draw(canvas, journal.Input());
    std::vector<std::tuple<int, ImageSetId, int>> images;
    for (const ImageCall& call : canvas.CallsOf<ImageCall>())
        if (call.at.x == 71 + 18 * 9 && call.set != ImageSetId::ReportMarks)
            images.emplace_back(call.at.y, call.set, call.index);
    const std::vector<std::tuple<int, ImageSetId, int>> expected{
        {55, ImageSetId::Icons, icon::kHeart},      {235, ImageSetId::Status, 6},
        {253, ImageSetId::Icons, icon::kLightning}, {271, ImageSetId::Icons, icon::kRedSpiral},
        {289, ImageSetId::Icons, icon::kFace},      {307, ImageSetId::Bells, bell::kYellow}};
    EXPECT_EQ(images, expected);
}

TEST(AdvancedReport, NotesComeInOneGroupPerDrawnCycle) {
    ReportJournal journal;
    journal.Cycles(kStart, {28, 28});
    journal.Day(kStart, 3).Note.Assign("cramps at night");
    journal.Day(kStart, 30).Note.Assign("doctor");
    journal.Day(kStart, 56 + 1).Note.Assign("not drawn");
    const std::vector<std::string> expected{
        "Notes for cycle: 1.1.2019",  "4.1.2019: cramps at night", "-End-", " ",
        "Notes for cycle: 29.1.2019", "31.1.2019: doctor",         "-End-", " "};
    EXPECT_EQ(AdvancedReport().Notes(journal.Input(1, 2)), expected);
    journal.rows.notes = false;
    EXPECT_TRUE(AdvancedReport().Notes(journal.Input(1, 2)).empty());
    EXPECT_TRUE(StandardReport().Notes(journal.Input(1, 2)).empty());
}

} // namespace
} // namespace lunea
