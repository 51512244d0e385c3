#pragma once
// The Calendar page's month grid, drawn on a Canvas: weekday header, one
// rounded cell per day coloured by its kind, the day number and the eight
// icon slots. Portable, so the drawing is tested without a window; today
// comes in as a parameter because the program cannot choose its clock.

#include "components/canvas/canvas.h"
#include "journal/cycle_analysis.h"
#include "journal/day_table.h"
#include "settings/settings.h"

#include <array>
#include <string>

namespace lunea {

inline constexpr int kMainImageWidth = 340;
inline constexpr int kMainImageHeight = 311;
inline constexpr int kGridColumns = 7;
inline constexpr int kGridRows = 6;
inline constexpr int kCellCount = kGridColumns * kGridRows;

// The day drawn in each cell in reading order (row * 7 + column); 0 = empty.
using CellDayList = std::array<int, kCellCount>;

struct MonthViewLocale {
    bool mondayFirst = false;
    // Abbreviated weekday names, 0 = Sunday .. 6 = Saturday.
    std::array<std::string, 7> dayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
};

struct MonthViewInput {
    const DayTable& days;
    const Settings& settings;
    int year = 2000;
    int month = 1;
    CivilDate today;
    MonthViewLocale locale;
};

// The canvas font of the calendar: that of the temperature box.
Font CalendarFont();

// Which day each cell of a month shows.
CellDayList MonthCells(int year, int month, bool mondayFirst);

// Draws the whole image; the analysis must be that of input.days.
void DrawMonth(Canvas& canvas, const MonthViewInput& input, const CycleAnalysis& analysis);

// The rounded rectangle of the cell with this index.
Rect DayCellRect(int cellIndex);

// The yellow frame around the cell that shows `day` and a navy 1-pixel focus
// frame inside it; nothing when no cell does.
void DrawSelectionFrame(Canvas& canvas, const CellDayList& cellDays, int day);

// The day under image point (x, y), or 0 for the header, an empty cell or
// a point outside the grid.
int DayAtPoint(const CellDayList& cellDays, int x, int y);

} // namespace lunea
