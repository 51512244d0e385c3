#pragma once
// What the standard and the advanced report draw alike: the day grid of a
// block, its texts on white, the temperature points, the month names, and
// the days of a cycle that have a column in the picture.

#include "components/canvas/canvas.h"
#include "journal/day_table.h"
#include "reports/report_cycles.h"
#include "reports/report_renderer.h"

#include <cstdint>
#include <string_view>

namespace lunea::report {

constexpr int kCell = 18;
constexpr int kGridLeft = 70;
constexpr int kDayColumns = 42;
constexpr int kGridRight = kGridLeft + kDayColumns * kCell; // 826
constexpr int kBlockGap = 30;

// Arial, 9 points at the program's 96 dots per inch, black.
const Font& ReportFont();
// The report's own month names, 1..12, whatever the locale says.
std::string_view ReportMonthName(int month);

// Every text of a report is written on white, the background of the picture.
void WriteText(Canvas& canvas, Point at, std::string_view text);
// Half the height of "X", rounded toward zero: centres labels on lines.
int HalfTextHeight(Canvas& canvas);

// Blocks `pitch` pixels apart, one per cycle; empty without a cycle.
PictureSize PictureOf(std::size_t cycles, int width, int pitch);

// The white, black-framed rectangle of the picture or of one block.
void DrawWhiteRectangle(Canvas& canvas, const Rect& rect);

struct BlockGrid {
    int top = 0;
    int height = 0;
    int rowLines = 0;     // horizontal lines at top, top + 18, ...
    int numberedDays = 0; // day numbers 1 .. numberedDays in the "Day of cycle" row
    int cycleLength = 0;  // the column line drawn 3 pixels wide
};
// Day columns with their numbers (week lines 2 pixels, the cycle's end 3),
// then the row lines and the outer edges.
void DrawBlockGrid(Canvas& canvas, const BlockGrid& grid);

// Red, black-framed, 6 pixels across, centred on the point.
void DrawTemperaturePoint(Canvas& canvas, Point centre);

// The month of `serial` at (x, top + 2); nothing when x puts the whole name
// outside a picture `pictureWidth` wide (a length from a hand-edited setting).
void WriteMonthName(Canvas& canvas, std::int64_t x, int top, std::int64_t serial, int pictureWidth);

// A computed coordinate as an int within [low, high]: values far outside the
// picture, infinite ones included, must neither overflow nor make giant shapes.
int ClampedCoordinate(double value, int low, int high);

// Nearest integer, a half to the even neighbour.
double RoundHalfEven(double value);

// Calls draw(i, date, record) for each day i of the cycle whose column starts
// inside the picture and whose date the table holds.
template <typename Draw>
void ForEachDrawnDay(const DayTable& days, const ReportCycle& cycle, int pictureWidth,
                     Draw&& draw) {
    const int columns = (pictureWidth - kGridLeft) / kCell + 1;
    const int drawn = cycle.length < columns ? cycle.length : columns;
    for (int i = 0; i < drawn; ++i) {
        const std::int32_t serial = cycle.start + i;
        if (const TDayRecord* record = days.AtSerial(serial))
            draw(i, SerialToDate(serial), *record);
    }
}

} // namespace lunea::report
