// Opening and closing the report window, and what it asks of the main window.
#include "app/locale_names_win.h"
#include "app/main_window_win.h"
#include "common/desktop_contract.h"

namespace lunea {

void TMainForm::VsButton4Click() {
    if (!ReportsOpen && analysis_.CCount == 0) {
        MessageBoxA(Window(), "There is no data to show. You must enter at least one cycle first.",
                    kApplicationTitle, MB_OK | MB_ICONINFORMATION);
        VsButton4->SetChecked(false);
        return;
    }
    if (ReportsOpen) {
        ReportsForm->Close(); // its FormClose releases the button
        return;
    }
    // Every opening starts afresh: nothing of an earlier window is kept.
    ReportsForm = std::make_unique<ReportWindow>(
        ReportWindowContext{journal_.Days(), analysis_, settings_, ShortDateText,
                            [this] { ShowPageFromReport(&TMainForm::CalendarBtnClick); },
                            [this] { ShowPageFromReport(&TMainForm::ChartsRadioBtnClick); },
                            [this] { ShowPageFromReport(&TMainForm::PrefsBtnClick); },
                            [this] { ReportsFormClosed(); }});
    if (!ReportsForm->Window()) {
        ReportsForm.reset();
        VsButton4->SetChecked(false);
        return;
    }
    ReportsOpen = true;
    VsButton4->SetChecked(true);
    ReportsForm->Open();
}

void TMainForm::ReportsFormClosed() {
    ReportsOpen = false;
    VsButton4->SetChecked(false);
}

void TMainForm::ShowPageFromReport(void (TMainForm::*click)()) {
    if (IsIconic(Window()))
        ShowWindow(Window(), SW_RESTORE);
    SetForegroundWindow(Window());
    (this->*click)();
}

} // namespace lunea
