#include "reports/report_page.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace lunea::report {

const Font& ReportFont() {
    static const Font font{"Arial", -12, kNormal, 0, kBlack};
    return font;
}

std::string_view ReportMonthName(int month) {
    static constexpr std::array<std::string_view, 12> names{
        "January", "February", "March",     "April",    "May",      "June",
        "July",    "August",   "September", "Octomber", "November", "December"};
    return month >= 1 && month <= 12 ? names[static_cast<std::size_t>(month - 1)] : "";
}

void WriteText(Canvas& canvas, Point at, std::string_view text) {
    canvas.TextOnBackground(at, text, ReportFont(), kWhite);
}

int HalfTextHeight(Canvas& canvas) {
    return canvas.MeasureText("X", ReportFont()).height / 2;
}

PictureSize PictureOf(std::size_t cycles, int width, int pitch) {
    if (cycles == 0)
        return {};
    return {width, static_cast<int>(cycles) * pitch};
}

void DrawWhiteRectangle(Canvas& canvas, const Rect& rect) {
    canvas.Rectangle(rect, {kBlack, 1}, {kWhite});
}

void DrawBlockGrid(Canvas& canvas, const BlockGrid& grid) {
    const int bottom = grid.top + grid.height;
    for (int c = 0; c < kDayColumns; ++c) {
        int width = c > 0 && c % 7 == 0 ? 2 : 1;
        if (c == grid.cycleLength)
            width = 3;
        const int x = kGridLeft + kCell * c;
        canvas.Line({x, grid.top + kCell}, {x, bottom}, {kBlack, width});
        if (c < grid.numberedDays)
            WriteText(canvas, {x + 2, grid.top + 38}, std::to_string(c + 1));
    }
    for (int r = 0; r < grid.rowLines; ++r)
        canvas.Line({kGridLeft, grid.top + kCell * r}, {kGridRight, grid.top + kCell * r},
                    {kBlack, 1});
    canvas.Line({kGridLeft, grid.top}, {kGridLeft, bottom}, {kBlack, 1});
    canvas.Line({kGridRight, grid.top}, {kGridRight, bottom}, {kBlack, 1});
}

void DrawTemperaturePoint(Canvas& canvas, Point centre) {
    canvas.Ellipse({centre.x - 3, centre.y - 3, centre.x + 3, centre.y + 3}, {kBlack, 1}, {kRed});
}

void WriteMonthName(Canvas& canvas, std::int64_t x, int top, std::int64_t serial,
                    int pictureWidth) {
    if (x <= -pictureWidth || x >= pictureWidth)
        return;
    const CivilDate date = SerialToDate(static_cast<std::int32_t>(serial));
    WriteText(canvas, {static_cast<int>(x), top + 2}, ReportMonthName(date.month));
}

int ClampedCoordinate(double value, int low, int high) {
    if (!(value >= low)) // NaN too
        return low;
    return value > high ? high : static_cast<int>(value);
}

double RoundHalfEven(double value) {
    // Under the default rounding mode, which the program never changes.
    return std::nearbyint(value);
}

} // namespace lunea::report
