// The Calendar page's month image: drawn from the data at every paint,
// clicked to select a day.
#include "app/calendar_page_win.h"

#include "app/locale_names_win.h"
#include "app/system_today_win.h"

namespace lunea {

void CalendarPage::DrawCalendar() {
    cellDays_ = MonthCells(view_.selectedYear, view_.selectedMonth, LocaleWeek().mondayFirst);
    SelectDay(view_.selectedDay);
}

// The image is painted whenever the window needs it, with the analysis as
// the session keeps it.
void CalendarPage::PaintMonth(Canvas& canvas) {
    const MonthViewInput input{context_.days,       context_.settings, view_.selectedYear,
                               view_.selectedMonth, SystemToday(),     LocaleWeek()};
    DrawMonth(canvas, input, context_.analysis);
    DrawSelectionFrame(canvas, cellDays_, view_.selectedDay);
}

void CalendarPage::SelectDayAt(int x, int y) {
    if (view_.page != Page::Calendar)
        return;
    const int day = DayAtPoint(cellDays_, x, y);
    if (day < 1)
        return;
    view_.selectedDay = static_cast<std::uint16_t>(day);
    context_.repaintView();
}

} // namespace lunea
