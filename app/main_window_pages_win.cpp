// Redrawing the page that shows and switching between the pages.
#include "app/main_window_win.h"
#include "dialogs/password_prompt_win.h"

namespace lunea {

void MainWindow::RepaintView() {
    if (view_.page == Page::Calendar)
        calendarPage_->DrawCalendar();
    else if (view_.page == Page::Charts)
        chartsPage_->Draw();
    if (ReportsShown())
        reportWindow_->RefreshReport();
}

void MainWindow::JournalChanged() {
    session_.JournalChanged();
    RepaintView();
}

void MainWindow::CheckPageButton() {
    const struct {
        Page page;
        PageButton* button;
    } buttons[] = {{Page::Calendar, calendarButton_.get()},
                   {Page::Charts, chartsButton_.get()},
                   {Page::Preferences, prefsButton_.get()}};
    for (const auto& entry : buttons)
        entry.button->SetChecked(entry.page == view_.page);
}

void MainWindow::ShowPage(Page page) {
    // The page that shows stays as the user left it: showing it again would
    // refill the Preferences page from the stored settings.
    if (page == view_.page) {
        CheckPageButton();
        return;
    }
    const std::string& password = session_.CurrentSettings().password;
    // A wrong or cancelled password leaves the page that shows.
    if (page == Page::Preferences && !password.empty() && !AskPassword(Window(), password)) {
        CheckPageButton();
        return;
    }
    if (view_.page == Page::Preferences && page != Page::Preferences)
        LeavePrefs();
    view_.page = page;
    CheckPageButton();
    // The pages share one place: the others hide before this one shows.
    if (page != Page::Calendar)
        calendarPage_->Show(false);
    if (page != Page::Charts)
        chartsPage_->Show(false);
    if (page != Page::Preferences)
        prefsPage_->Show(false);
    monthBar_->Show(page != Page::Preferences);
    switch (page) {
    case Page::Calendar:
        calendarPage_->Show(true);
        RepaintView();
        break;
    case Page::Charts:
        chartsPage_->Enter();
        chartsPage_->Show(true);
        RepaintView();
        break;
    case Page::Preferences:
        prefsPage_->Show(true);
        prefsPage_->Fill();
        break;
    }
}

void MainWindow::LeavePrefs() {
    session_.TakeOverPrefs(prefsPage_->Values());
    calendarPage_->ShowTemperatureFormat();
}

} // namespace lunea
