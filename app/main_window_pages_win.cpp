// Redrawing the current page and switching between the pages.
#include "app/main_window_win.h"
#include "common/desktop_contract.h"
#include "dialogs/password_prompt_win.h"
#include "settings/registry_key_win.h"

namespace lunea {

void TMainForm::RepaintView() {
    if (view_.ViewMode == TViewMode::Calendar)
        calendarPage_->DrawCalendar();
    else
        chartsPage_->Draw();
    if (ReportsOpen)
        ReportsForm->RefreshReport();
}

void TMainForm::ShowPageButton() {
    PageButton* shown = PrefsPageOpen                         ? PrefsRadioBtn.get()
                        : view_.ViewMode == TViewMode::Charts ? ChartsRadioBtn.get()
                                                              : CalendarBtn.get();
    for (PageButton* button : {CalendarBtn.get(), ChartsRadioBtn.get(), PrefsRadioBtn.get()})
        button->SetChecked(button == shown);
}

void TMainForm::CalendarBtnClick() {
    if (PrefsPageOpen)
        SavePrefs();
    view_.ViewMode = TViewMode::Calendar;
    ShowPageButton();
    prefsPage_->Show(false);
    chartsPage_->Show(false);
    calendarPage_->ShowHideCalendar(true);
    monthBar_->Show(true);
    RepaintView();
}

void TMainForm::ChartsRadioBtnClick() {
    if (PrefsPageOpen)
        SavePrefs();
    view_.ViewMode = TViewMode::Charts;
    ShowPageButton();
    calendarPage_->ShowHideCalendar(false);
    prefsPage_->Show(false);
    chartsPage_->Enter();
    chartsPage_->Show(true);
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
    chartsPage_->Show(false);
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

} // namespace lunea
