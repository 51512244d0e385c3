// Redrawing the current page and switching between the pages.
#include "app/main_window_win.h"

namespace lunea {

void TMainForm::RepaintView() {
    if (view_.ViewMode == TViewMode::Calendar)
        calendarPage_->DrawCalendar();
    // The Charts page draws here, and an open report window refreshes.
}

void TMainForm::CalendarBtnClick() {
    // Leaving the Preferences page saves its settings first; the Charts and
    // Preferences pages hide here.
    view_.ViewMode = TViewMode::Calendar;
    CalendarBtn->SetChecked(true);
    calendarPage_->ShowHideCalendar(true);
    monthBar_->Show(true);
    RepaintView();
}

// The Charts and Preferences pages and the report window come later: their
// buttons stand where they belong and leave the Calendar page showing.
void TMainForm::PlaceholderPageClick() {
    CalendarBtn->SetChecked(true);
}

} // namespace lunea
