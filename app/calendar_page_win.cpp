// The Calendar page's month image: drawn from the data at every paint,
// clicked to select a day.
#include "app/calendar_page_win.h"

#include "app/locale_names_win.h"
#include "app/system_today_win.h"

namespace lunea {

void CalendarPage::DrawCalendar() {
    CellDays = MonthCells(view_.SelectedYear, view_.SelectedMonth, LocaleWeek().mondayFirst);
    context_.analysis.GetCStartAndLen(context_.days, CycleRulesOf(context_.settings));
    SelectDay(view_.SelectedDay);
}

// The image is painted whenever the window needs it, with the analysis of
// the last DrawCalendar.
void CalendarPage::MainImagePaint(Canvas& canvas) {
    const MonthViewInput input{context_.days,       context_.settings, view_.SelectedYear,
                               view_.SelectedMonth, SystemToday(),     LocaleWeek()};
    DrawMonth(canvas, input, context_.analysis);
    DrawSelectionFrame(canvas, CellDays, view_.SelectedDay);
}

void CalendarPage::MainImageMouseDown(int x, int y) {
    if (view_.ViewMode != TViewMode::Calendar)
        return;
    const int day = DayAtPoint(CellDays, x, y);
    if (day < 1)
        return;
    view_.SelectedDay = static_cast<std::uint16_t>(day);
    context_.repaintView();
}

} // namespace lunea
