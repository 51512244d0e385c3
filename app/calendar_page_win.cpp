// The Calendar page: the month image, its navigation and the page switch.
#include "app/locale_names_win.h"
#include "app/main_window_win.h"
#include "app/month_navigation.h"
#include "app/system_today_win.h"

namespace lunea {

void TMainForm::RepaintView() {
    if (ViewMode == 1)
        DrawCalendar();
    // The Charts page and the report window redraw here once they exist.
}

void TMainForm::DrawCalendar() {
    CellDays = MonthCells(SelectedYear, SelectedMonth, LocaleWeek().mondayFirst);
    analysis_.GetCStartAndLen(journal_.Days(), settings_);
    SelectDay(SelectedDay);
}

// The image is painted from the data whenever the window needs it, with
// the analysis of the last DrawCalendar.
void TMainForm::MainImagePaint(Canvas& canvas) {
    const MonthViewInput input{journal_.Days(), settings_,     SelectedYear,
                               SelectedMonth,   SystemToday(), LocaleWeek()};
    DrawMonth(canvas, input, analysis_);
    DrawSelectionFrame(canvas, CellDays, SelectedDay);
}

void TMainForm::ShowHideCalendar(bool visible) {
    const int show = visible ? SW_SHOW : SW_HIDE;
    const HWND windows[] = {CervicalFluidLabel->Window(),
                            NoteLabel->Window(),
                            NoteImage->Window(),
                            TempUnitLabel->Window(),
                            TempEdit,
                            TempEditBtn->Window(),
                            TempDigitImage->Window(),
                            TempScaleImage->Window(),
                            ProgressBar1->Window(),
                            StatusButton->Window(),
                            TempBox->Window(),
                            PMSBox->Window(),
                            SexBox->Window(),
                            CrampingBox->Window(),
                            AppointBox->Window(),
                            SecretBox->Window(),
                            ProtectBox->Window(),
                            Memo1,
                            MainImage->Window()};
    for (HWND window : windows)
        ShowWindow(window, show);
    for (const auto& button : StatusBtn)
        ShowWindow(button->Window(), show);
}

void TMainForm::CalendarBtnClick() {
    // Leaving the Preferences page saves its settings first; the Charts and
    // Preferences pages hide here once they exist.
    ViewMode = 1;
    CalendarBtn->SetChecked(true);
    ShowHideCalendar(true);
    ShowWindow(MonthButton->Window(), SW_SHOW);
    ShowWindow(SpeedButton5->Window(), SW_SHOW);
    ShowWindow(SpeedButton6->Window(), SW_SHOW);
    RepaintView();
}

// The Charts and Preferences pages and the report window come later: their
// buttons stand where they belong and leave the Calendar page showing.
void TMainForm::PlaceholderPageClick() {
    CalendarBtn->SetChecked(true);
}

void TMainForm::ShowMonth(int year, int month) {
    SelectedYear = static_cast<std::uint16_t>(year);
    SelectedMonth = static_cast<std::uint16_t>(month);
    MonthButton->SetCaption(MonthCaption(monthNames_[static_cast<std::size_t>(month - 1)], year));
    PopupMenu1.Check(month - 1);
    SelectedDay = 1;
    RepaintView();
}

void TMainForm::SpeedButton6Click() {
    const YearMonth previous = PreviousMonth({SelectedYear, SelectedMonth});
    ShowMonth(previous.year, previous.month);
}

void TMainForm::SpeedButton5Click() {
    const YearMonth next = NextMonth({SelectedYear, SelectedMonth});
    ShowMonth(next.year, next.month);
}

void TMainForm::MonthButtonClick() {
    RECT frame{};
    GetWindowRect(window_, &frame);
    const int index = PopupMenu1.Track(window_, frame.left + 518, frame.top + 62);
    if (index >= 0)
        PopupMenuItemClick(index);
}

void TMainForm::PopupMenuItemClick(int index) {
    ShowMonth(SelectedYear, index + 1);
}

void TMainForm::MainImageMouseDown(int x, int y) {
    if (ViewMode != 1)
        return;
    const int day = DayAtPoint(CellDays, x, y);
    if (day < 1)
        return;
    SelectedDay = static_cast<std::uint16_t>(day);
    RepaintView();
}

} // namespace lunea
