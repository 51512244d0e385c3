// The printed report: title centred above the picture, 8 % margins, the
// picture's proportions kept unless the page is too short, notes paged by
// whole lines; and the name the saved picture is offered under.
#include "reports/report_file_name.h"
#include "reports/report_page_geometry.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <optional>

namespace lunea {
namespace {

struct Placed {
    int titleX, titleY, left, top, right, bottom;
    friend bool operator==(const Placed&, const Placed&) = default;
};

std::optional<Placed> Place(const ReportPageMeasures& measures) {
    const std::optional<ReportPageLayout> layout = LayOutReportPage(measures);
    if (!layout)
        return std::nullopt;
    const Rect& p = layout->picture;
    return Placed{layout->title.x, layout->title.y, p.left, p.top, p.right, p.bottom};
}

void PrintTo(const Placed& p, std::ostream* out) {
    *out << "title (" << p.titleX << ", " << p.titleY << "), picture {" << p.left << ", " << p.top
         << ", " << p.right << ", " << p.bottom << "}";
}

TEST(ReportPageGeometry, PlacesTitleAndPictureOnThePage) {
    const struct {
        const char* name;
        ReportPageMeasures measures;
        std::optional<Placed> placed;
    } cases[] = {
        // 1602 * 4032 / 866 = 7458.6: the height is cut, not rounded.
        {"three cycles, a tall page",
         {4800, 10000, 50, 1000, 866, 1602},
         Placed{1900, 50, 384, 150, 4416, 7608}},
        {"three cycles squeezed onto a shorter page",
         {4800, 6000, 50, 1000, 866, 1602},
         Placed{1900, 50, 384, 150, 4416, 6000}},
        {"the test printer's A4 page at 300 dpi",
         {2479, 3508, 50, 433, 866, 1602},
         Placed{1023, 50, 198, 150, 2280, 3508}},
        {"one cycle fits that page unsqueezed",
         {2479, 3508, 50, 434, 866, 600},
         Placed{1022, 50, 198, 150, 2280, 1592}},
        {"margins rounded up",
         {2487, 3508, 50, 433, 866, 600},
         Placed{1027, 50, 199, 150, 2288, 1597}},
        {"a title wider than the page halves toward zero",
         {100, 100, 10, 101, 10, 10},
         Placed{0, 10, 8, 30, 92, 100}},
        {"a title too tall leaves no room",
         {100, 100, 40, 20, 10, 10},
         Placed{40, 40, 8, 100, 92, 100}},
        {"a huge picture does not overflow",
         {4800, 6000, 50, 1000, 1, INT_MAX},
         Placed{1900, 50, 384, 150, 4416, 6000}},
        {"no picture width", {4800, 6000, 50, 1000, 0, 1602}, std::nullopt},
        {"negative picture width", {4800, 6000, 50, 1000, -866, 1602}, std::nullopt},
        {"no picture height", {4800, 6000, 50, 1000, 866, 0}, std::nullopt},
        {"no page", {0, 0, 50, 1000, 866, 1602}, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Place(c.measures), c.placed) << c.name;
}

TEST(ReportPageGeometry, NotesPagesTakeTheLinesThatEndOnThem) {
    const struct {
        int pageHeight, lineHeight, lines;
    } cases[] = {
        {3508, 41, 85}, {100, 50, 2}, {100, 51, 1}, {10, 50, 1}, {100, 0, 100},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LinesPerPage(c.pageHeight, c.lineHeight), c.lines)
            << c.pageHeight << " / " << c.lineHeight;
}

TEST(ReportFileName, DayMonthAndYearOfTheFirstCycleWithoutLeadingZeros) {
    const struct {
        CivilDate start;
        const char* name;
    } cases[] = {
        {{2004, 3, 5}, "Cycle5.3.2004.bmp"},
        {{2003, 11, 12}, "Cycle12.11.2003.bmp"},
        {{1999, 12, 31}, "Cycle31.12.1999.bmp"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReportBitmapName(c.start), c.name);
}

} // namespace
} // namespace lunea
