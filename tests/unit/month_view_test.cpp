#include "app/month_view.h"

#include "components/art/desktop_skin.h"
#include "components/art/image_sets.h"
#include "components/canvas/bitmap_canvas.h"
#include "components/canvas/recording_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace lunea {
namespace {

class MonthViewTest : public ::testing::Test {
  protected:
    void Draw(int year, int month, CivilDate today = {2019, 12, 31}) {
        canvas.Clear();
        MonthViewInput input{*table, settings, year, month, today, locale};
        analysis.Analyse(*table, CycleRulesOf(settings));
        cells = MonthCells(year, month, locale.mondayFirst);
        DrawMonth(canvas, input, analysis);
    }
    int CellOf(int day) const {
        const auto found = std::find(cells.begin(), cells.end(), day);
        return found == cells.end() ? -1 : static_cast<int>(found - cells.begin());
    }
    int UsedCells() const {
        return static_cast<int>(
            std::count_if(cells.begin(), cells.end(), [](int d) { return d > 0; }));
    }
    // The day cells' rounded rectangles follow the seven header cells.
    std::vector<RoundRectCall> DayCells() const {
        auto all = canvas.CallsOf<RoundRectCall>();
        return {all.begin() + 7, all.end()};
    }
    RoundRectCall CellOfDay(int day) const { return DayCells()[static_cast<std::size_t>(day - 1)]; }
    // The images drawn inside the cell of a day, as (set, index, slot corner).
    std::vector<ImageCall> ImagesOfDay(int day) const {
        const Rect cell = DayCellRect(CellOf(day));
        std::vector<ImageCall> found;
        for (const ImageCall& image : canvas.CallsOf<ImageCall>())
            if (image.at.x >= cell.left && image.at.x < cell.left + 48 && image.at.y >= cell.top &&
                image.at.y < cell.top + 48)
                found.push_back(image);
        return found;
    }
    // The day number drawn over its white shadow.
    TextCall NumberOfDay(int day) const {
        const Rect cell = DayCellRect(CellOf(day));
        for (const TextCall& text : canvas.CallsOf<TextCall>())
            if (text.at == Point{cell.left + 3, cell.top + 2})
                return text;
        ADD_FAILURE() << "no number for day " << day;
        return {};
    }
    void ShowOnly(int slot, int kind) {
        settings.iconKinds.fill(0);
        settings.iconKinds[static_cast<std::size_t>(slot)] = kind;
    }

    std::unique_ptr<DayTable> table = std::make_unique<DayTable>();
    Settings settings;
    MonthViewLocale locale;
    CycleAnalysis analysis;
    RecordingCanvas canvas;
    CellDayList cells{};
};

TEST_F(MonthViewTest, GridGeometryAndBackground) {
    Draw(2010, 9); // 1 September 2010 is a Wednesday
    const auto fills = canvas.CallsOf<RectangleCall>();
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].rect, (Rect{-1, -1, 341, 312}));
    EXPECT_EQ(fills[0].brush.color, kPagePanelColor);

    const auto rounded = canvas.CallsOf<RoundRectCall>();
    ASSERT_EQ(rounded.size(), 7u + 30u);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(rounded[static_cast<std::size_t>(i)].rect, (Rect{48 * i, 0, 48 * i + 49, 19}));
        EXPECT_EQ(rounded[static_cast<std::size_t>(i)].ellipseWidth, 10);
    }
    EXPECT_EQ(CellOf(1), 3);
    EXPECT_EQ(CellOfDay(1).rect, (Rect{144, 18, 193, 67}));
    EXPECT_EQ(CellOf(30), 32);
    EXPECT_EQ(CellOfDay(30).rect, (Rect{192, 210, 241, 259}));
    EXPECT_EQ(DayCellRect(41), (Rect{288, 258, 337, 307}));
    EXPECT_EQ(UsedCells(), 30);
}

TEST_F(MonthViewTest, HitTestingFollowsTheCells) {
    Draw(2010, 9);
    EXPECT_EQ(DayAtPoint(cells, 144, 19), 1);
    EXPECT_EQ(DayAtPoint(cells, 191, 65), 1);
    EXPECT_EQ(DayAtPoint(cells, 192, 65), 2);
    EXPECT_EQ(DayAtPoint(cells, 5, 18), 0) << "header row";
    EXPECT_EQ(DayAtPoint(cells, 5, 30), 0) << "empty cell before day 1";
    EXPECT_EQ(DayAtPoint(cells, 336, 100), 0) << "right of the seventh column";
    EXPECT_EQ(DayAtPoint(cells, 339, 100), 0);
    EXPECT_EQ(DayAtPoint(cells, 100, 306), 0) << "empty cell after the last day";
    EXPECT_EQ(DayAtPoint(cells, 100, 400), 0) << "below the grid";
    EXPECT_EQ(DayAtPoint(cells, -1, 30), 0);
}

TEST_F(MonthViewTest, SundayFirstAndMondayFirstPlacement) {
    // 1 August 2010 is a Sunday.
    locale.mondayFirst = false;
    Draw(2010, 8);
    EXPECT_EQ(CellOf(1), 0);
    EXPECT_EQ(CellOf(31), 30);
    auto header = canvas.CallsOf<TextCall>();
    EXPECT_EQ(header[0].text, "Sun");
    EXPECT_EQ(header[0].font.color, 255u);
    EXPECT_EQ(header[1].text, "Mon");
    EXPECT_EQ(header[1].font.color, 0u);
    EXPECT_EQ(header[6].text, "Sat");
    EXPECT_EQ(header[0].font.style, kBold);
    EXPECT_EQ(header[0].font.charset, 204);
    EXPECT_EQ(header[1].at, (Point{60, 3}));

    locale.mondayFirst = true;
    Draw(2010, 8);
    EXPECT_EQ(CellOf(1), 6);
    EXPECT_EQ(CellOf(31), 36) << "a 31-day month starting on Sunday needs six rows";
    EXPECT_EQ(DayAtPoint(cells, 58, 18 + 5 * 48 + 5), 31);
    header = canvas.CallsOf<TextCall>();
    EXPECT_EQ(header[0].text, "Mon");
    EXPECT_EQ(header[5].text, "Sat");
    EXPECT_EQ(header[6].text, "Sun");
    const auto rounded = canvas.CallsOf<RoundRectCall>();
    EXPECT_EQ(rounded[0].brush.color, 10921638u);
    EXPECT_EQ(rounded[5].brush.color, 12632256u);
    EXPECT_EQ(rounded[6].brush.color, 12632256u);
}

TEST_F(MonthViewTest, HeaderNamesAreCutToThreeCharacters) {
    locale.dayNames = {"Sonntag", "Mo", "Dienstag", "Mi", "Do", "Fr", "Sa"};
    Draw(2010, 8);
    const auto texts = canvas.CallsOf<TextCall>();
    EXPECT_EQ(texts[0].text, "Son");
    EXPECT_EQ(texts[1].text, "Mo");
    EXPECT_EQ(texts[2].text, "Die");
}

TEST_F(MonthViewTest, LeapFebruaries) {
    for (int year : {2000, 2004, 2008, 2012, 2016}) {
        Draw(year, 2);
        EXPECT_EQ(UsedCells(), 29) << year;
    }
    for (int year : {2001, 2010, 2019}) {
        Draw(year, 2);
        EXPECT_EQ(UsedCells(), 28) << year;
    }
}

TEST_F(MonthViewTest, TodayIsRedAndBoldOnlyInItsMonth) {
    Draw(2012, 5, {2012, 5, 17});
    const TextCall today = NumberOfDay(17);
    EXPECT_EQ(today.text, "17");
    EXPECT_EQ(today.font.color, 255u);
    EXPECT_EQ(today.font.style, kBold);
    const TextCall other = NumberOfDay(16);
    EXPECT_EQ(other.font.color, 16711680u);
    EXPECT_EQ(other.font.style, kNormal);
    EXPECT_EQ(other.font.height, -11);

    // The white shadow sits one pixel up and left.
    const Rect cell = DayCellRect(CellOf(17));
    const auto texts = canvas.CallsOf<TextCall>();
    const auto shadow = std::find_if(texts.begin(), texts.end(), [&](const TextCall& t) {
        return t.at == Point{cell.left + 2, cell.top + 1};
    });
    ASSERT_NE(shadow, texts.end());
    EXPECT_EQ(shadow->font.color, 0xFFFFFFu);

    Draw(2012, 6, {2012, 5, 17});
    for (const TextCall& text : canvas.CallsOf<TextCall>()) {
        if (text.at.y > 18) {
            EXPECT_NE(text.font.color, 255u) << text.text;
        }
    }
}

TEST_F(MonthViewTest, BellsBeforeAndAfterToday) {
    ShowOnly(0, 3);
    for (int day : {16, 17, 18})
        table->At(2012, 5, day).Appointment = 1;
    Draw(2012, 5, {2012, 5, 17});
    ASSERT_EQ(ImagesOfDay(16).size(), 1u);
    EXPECT_EQ(ImagesOfDay(16)[0].set, ImageSetId::Bells);
    EXPECT_EQ(ImagesOfDay(16)[0].index, bell::kGrey);
    EXPECT_EQ(ImagesOfDay(17)[0].index, bell::kYellow);
    EXPECT_EQ(ImagesOfDay(18)[0].index, bell::kYellow);
    EXPECT_TRUE(ImagesOfDay(19).empty());
}

TEST_F(MonthViewTest, StatusSlotShowsTheStatusImage) {
    ShowOnly(2, 2);
    table->At(2012, 5, 3).Status = 4;
    table->At(2012, 5, 4).Status = 6;
    Draw(2012, 5);
    EXPECT_TRUE(ImagesOfDay(2).empty()) << "status 0 leaves the slot empty";
    const auto dashes = ImagesOfDay(3);
    ASSERT_EQ(dashes.size(), 1u);
    EXPECT_EQ(dashes[0].set, ImageSetId::Status);
    EXPECT_EQ(dashes[0].index, 4);
    const Rect cell = DayCellRect(CellOf(3));
    EXPECT_EQ(dashes[0].at, (Point{cell.left + 0, cell.top + 16}));
    EXPECT_EQ(ImagesOfDay(4)[0].index, 6);
}

TEST_F(MonthViewTest, EveryIconKindInItsSlot) {
    TDayRecord& day = table->At(2012, 5, 10);
    day.Protect = day.Appointment = day.PMS = day.Sex = day.Cramping = day.Secrets = 1;
    day.Status = 5;
    day.Temperature = 36.6;
    day.Note.Assign("x");
    settings.iconKinds = {1, 2, 3, 4, 5, 6, 7, 8};
    Draw(2012, 5, {2012, 5, 1});
    const Rect cell = DayCellRect(CellOf(10));
    const std::vector<std::pair<Point, std::pair<ImageSetId, int>>> expected{
        {{16, 0}, {ImageSetId::Icons, icon::kRedSpiral}},
        {{32, 0}, {ImageSetId::Status, 5}},
        {{0, 16}, {ImageSetId::Bells, bell::kYellow}},
        {{16, 16}, {ImageSetId::Icons, icon::kThermometer}},
        {{32, 16}, {ImageSetId::Icons, icon::kSmilingFace}},
        {{0, 32}, {ImageSetId::Icons, icon::kHeart}},
        {{16, 32}, {ImageSetId::Icons, icon::kPen}},
        {{32, 32}, {ImageSetId::Icons, icon::kLightning}},
    };
    auto images = ImagesOfDay(10);
    ASSERT_EQ(images.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(images[i].at,
                  (Point{cell.left + expected[i].first.x, cell.top + expected[i].first.y}))
            << i;
        EXPECT_EQ(images[i].set, expected[i].second.first) << i;
        EXPECT_EQ(images[i].index, expected[i].second.second) << i;
    }

    settings.iconKinds = {9, 0, 11, -1, 0, 0, 0, 0};
    Draw(2012, 5, {2012, 5, 1});
    images = ImagesOfDay(10);
    ASSERT_EQ(images.size(), 1u) << "None and unknown kinds draw nothing";
    EXPECT_EQ(images[0].index, icon::kFace);

    settings.iconKinds = {1, 2, 3, 4, 5, 6, 7, 8};
    Draw(2012, 5, {2012, 5, 1});
    EXPECT_TRUE(ImagesOfDay(11).empty()) << "an empty day shows no icons";
}

TEST_F(MonthViewTest, CellColoursAndBoyGirlMarks) {
    // Starts on 1 and 29 March 2010: fertile 12..16 March, predicted 26..30 April.
    for (int day = 1; day <= 5; ++day)
        table->At(2010, 3, day).Status = 2;
    for (int day = 29; day <= 31; ++day)
        table->At(2010, 3, day).Status = 3;
    settings.clearDayColor = 0x111111;
    settings.flowDayColor = 0x222222;
    settings.fertileDayColor = 0x333333;
    settings.predictedFlowColor = 0x444444;
    ShowOnly(7, 10);
    Draw(2010, 3);
    EXPECT_EQ(CellOfDay(1).brush.color, 0x222222u);
    EXPECT_EQ(CellOfDay(11).brush.color, 0x111111u);
    EXPECT_EQ(CellOfDay(12).brush.color, 0x333333u);
    EXPECT_EQ(CellOfDay(16).brush.color, 0x333333u);
    EXPECT_EQ(CellOfDay(30).pen.color, 0u);

    ASSERT_EQ(ImagesOfDay(12).size(), 1u);
    EXPECT_EQ(ImagesOfDay(12)[0].index, icon::kRedDot);
    EXPECT_TRUE(ImagesOfDay(13).empty());
    ASSERT_EQ(ImagesOfDay(14).size(), 1u);
    EXPECT_EQ(ImagesOfDay(14)[0].index, icon::kBlueDot);
    const Rect cell = DayCellRect(CellOf(14));
    EXPECT_EQ(ImagesOfDay(14)[0].at, (Point{cell.left + 32, cell.top + 32}));

    Draw(2010, 4);
    EXPECT_EQ(CellOfDay(25).brush.color, 0x111111u);
    EXPECT_EQ(CellOfDay(26).brush.color, 0x444444u);
    EXPECT_EQ(CellOfDay(30).brush.color, 0x444444u);
}

TEST_F(MonthViewTest, SelectionFrameIsAYellowOutline) {
    Draw(2010, 9);
    canvas.Clear();
    DrawSelectionFrame(canvas, cells, 15);
    const auto frames = canvas.CallsOf<RoundRectCall>();
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].rect, DayCellRect(CellOf(15)));
    EXPECT_EQ(frames[0].pen, (Pen{65535, 1}));
    EXPECT_TRUE(frames[0].brush.transparent);
    EXPECT_TRUE(frames[1].brush.transparent);

    canvas.Clear();
    DrawSelectionFrame(canvas, cells, 31);
    EXPECT_TRUE(canvas.Calls().empty()) << "September has no 31st";
}

// The focus frame is drawn on the real pixels: a 1-pixel line inside the
// cell, one pixel of the day's colour between it and the border, and far
// from each of the four day colours.
TEST(MonthViewFocusFrame, ShowsInsideTheCellOnEveryDayColour) {
    const Settings defaults;
    const CellDayList cells = MonthCells(2010, 9, false);
    const int cell = static_cast<int>(std::find(cells.begin(), cells.end(), 15) - cells.begin());
    const Rect rect = DayCellRect(cell);
    const int middleY = (rect.top + rect.bottom) / 2;
    for (int colour : {defaults.clearDayColor, defaults.flowDayColor, defaults.fertileDayColor,
                       defaults.predictedFlowColor}) {
        const Color day = static_cast<Color>(colour);
        BitmapCanvas canvas(kMainImageWidth, kMainImageHeight, day);
        DrawSelectionFrame(canvas, cells, 15);
        EXPECT_EQ(canvas.PixelAt(rect.left + 1, middleY), day) << colour;
        const Color frame = canvas.PixelAt(rect.left + 2, middleY);
        EXPECT_EQ(canvas.PixelAt(rect.right - 3, middleY), frame) << colour;
        EXPECT_EQ(canvas.PixelAt(rect.left + 3, middleY), day) << colour;
        const auto channel = [](Color c, int shift) {
            return static_cast<int>((c >> shift) & 255);
        };
        int distance = 0;
        for (int shift : {0, 8, 16})
            distance += std::abs(channel(frame, shift) - channel(day, shift));
        EXPECT_GT(distance, 300) << "frame " << frame << " on day colour " << colour;
    }
}

} // namespace
} // namespace lunea
