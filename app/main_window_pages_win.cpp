// Redrawing the current page and switching between the pages.
#include "app/main_window_win.h"
#include "common/desktop_contract.h"
#include "dialogs/pass_form_win.h"
#include "settings/registry_key_win.h"

namespace lunea {

void TMainForm::RepaintView() {
    if (view_.ViewMode == TViewMode::Calendar)
        calendarPage_->DrawCalendar();
    // The Charts page draws here, and an open report window refreshes.
}

void TMainForm::ShowPageButton() {
    PageButton* shown = PrefsPageOpen ? PrefsRadioBtn.get() : CalendarBtn.get();
    for (PageButton* button : {CalendarBtn.get(), ChartsRadioBtn.get(), PrefsRadioBtn.get()})
        button->SetChecked(button == shown);
}

void TMainForm::CalendarBtnClick() {
    if (PrefsPageOpen)
        SavePrefs();
    view_.ViewMode = TViewMode::Calendar;
    ShowPageButton();
    prefsPage_->Show(false);
    calendarPage_->ShowHideCalendar(true);
    monthBar_->Show(true);
    RepaintView();
}

void TMainForm::PrefsBtnClick() {
    // A wrong or cancelled password leaves the page that shows.
    if (!settings_.Password.empty() && !AskPassword(Window(), settings_.Password)) {
        ShowPageButton();
        return;
    }
    calendarPage_->ShowHideCalendar(false);
    monthBar_->Show(false);
    prefsPage_->Show(true);
    prefsPage_->Fill();
    PrefsPageOpen = true;
    ShowPageButton();
}

void TMainForm::SavePrefs() {
    PrefsPageOpen = false;
    if (TakeOverPrefs(prefsPage_->Values(), settings_))
        MessageBoxA(Window(), "Password is disabled!", kApplicationTitle, MB_OK);
    if (auto key = OpenSettingsKey())
        WriteAllSettings(*key, settings_);
    calendarPage_->ShowTemperatureFormat();
}

// The Charts page and the report window come later: their buttons stand
// where they belong and leave the page that shows.
void TMainForm::PlaceholderPageClick() {
    ShowPageButton();
}

} // namespace lunea
