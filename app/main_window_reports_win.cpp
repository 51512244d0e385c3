// Opening and closing the report window, and what it asks of the main window.
#include "app/locale_names_win.h"
#include "app/main_window_win.h"

namespace lunea {

bool MainWindow::ReportsShown() const {
    return reportWindow_ && reportWindow_->Window();
}

void MainWindow::ToggleReports() {
    if (ReportsShown()) {
        reportWindow_->Close(); // its closing releases the button
        return;
    }
    if (session_.Analysis().cycleCount == 0) {
        prompts_.Notice("There is no data to show. You must enter at least one cycle first.");
        reportsButton_->SetChecked(false);
        return;
    }
    // Every opening starts afresh: nothing of an earlier window is kept.
    reportWindow_ = std::make_unique<ReportWindow>(ReportWindowContext{
        session_.Days(), session_.Analysis(), session_.CurrentSettings(), printer_, ShortDateText,
        [this] { ShowPageFromReport(Page::Calendar); },
        [this] { ShowPageFromReport(Page::Charts); },
        [this] { ShowPageFromReport(Page::Preferences); }, [this] { ReportsClosed(); },
        [this](bool running) { ReportDialogRunning(running); }});
    if (!reportWindow_->Window()) {
        reportWindow_.reset();
        reportsButton_->SetChecked(false);
        return;
    }
    reportsButton_->SetChecked(true);
    reportWindow_->Open();
}

void MainWindow::ReportsClosed() {
    reportsButton_->SetChecked(false);
}

void MainWindow::ReportDialogRunning(bool running) {
    reportDialogRunning_ = running;
    EnableWindow(Window(), !running);
    if (!running && closeWaiting_) {
        closeWaiting_ = false;
        RequestClose();
    }
}

void MainWindow::ShowPageFromReport(Page page) {
    if (IsIconic(Window()))
        ShowWindow(Window(), SW_RESTORE);
    SetForegroundWindow(Window());
    ShowPage(page);
}

} // namespace lunea
