#include "app/main_window_win.h"

#include "app/control_ids.h"
#include "app/locale_names_win.h"
#include "app/selected_date.h"
#include "app/status_texts.h"
#include "app/system_today_win.h"
#include "common/desktop_contract.h"
#include "common/program_folder_win.h"
#include "components/art/image_sets.h"
#include "components/controls/message_loop_win.h"
#include "dialogs/splash_win.h"
#include "dialogs/password_prompt_win.h"
#include "settings/registry_key_win.h"

#include <shellapi.h>

namespace lunea {
namespace {

const int kClientWidth = 600;
const int kClientHeight = 394;

} // namespace

TMainForm::TMainForm(HINSTANCE instance)
    : instance_(instance), files_(MakePlatformFileSystem()), journal_(*files_, prompts_) {}

TMainForm::~TMainForm() {
    // Destroyed here, while the handlers of its last messages still exist.
    if (Window())
        DestroyWindow(Window());
}

bool TMainForm::Create(int show) {
    const int left = (GetSystemMetrics(SM_CXSCREEN) - kClientWidth) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - kClientHeight) / 2;
    // Borderless: the window's area is its client area.
    if (!CreateWindowOf({kMainWindowClass}, WS_EX_APPWINDOW, kApplicationTitle,
                        WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, left, top,
                        kClientWidth, kClientHeight, nullptr, nullptr))
        return false;
    // A program that ends for want of the password never shows the journal,
    // not even for a moment.
    if (TerminationRequested())
        return true;
    ShowWindow(Window(), show);
    FormShow();
    return true;
}

LRESULT TMainForm::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_CREATE:
        CreateControls();
        FormCreate();
        return 0;
    case messages::kSaveJournal:
        SaveRequest();
        break;
    case messages::kReloadJournal:
        ReloadRequest();
        break;
    case WM_CLOSE:
        FormCloseQuery();
        DestroyWindow(Window());
        return 0;
    case WM_QUERYENDSESSION:
        // Windows ends without closing the window: save as a close would.
        FormCloseQuery();
        return TRUE;
    case WM_ENDSESSION:
        if (wparam)
            FormDestroy();
        return 0;
    case WM_DESTROY:
        FormDestroy();
        PostQuitMessage(0);
        return 0;
    }
    return WindowBase::HandleMessage(message, wparam, lparam);
}

void TMainForm::FormCreate() {
    prompts_.SetOwner(Window());
    view_.DayLoading = false;
    ShowSplash(Window());
    ReportsOpen = false;
    GetUsersData();
    PrefsPageOpen = false;
    if (auto key = OpenSettingsKey())
        settings_ = ReadSettings(*key);
    ChooseCurrentUser();
    // Without the password the program ends; start-up still runs to its end.
    if (!settings_.Password.empty() && !AskPassword(Window(), settings_.Password))
        RequestTermination();
    calendarPage_->ShowTemperatureFormat();
    prefsPage_->ShowIconKinds();
    monthBar_->SetMonthNames(LocaleMonthNames());

    // Today may lie outside the table's years: the nearest day it holds.
    const CivilDate selected = InitialSelection(SystemToday());
    view_.SelectedYear = static_cast<std::uint16_t>(selected.year);
    view_.SelectedMonth = static_cast<std::uint16_t>(selected.month);
    view_.SelectedDay = static_cast<std::uint16_t>(selected.day);
    monthBar_->ShowSelectedMonth();
    view_.ViewMode = TViewMode::Calendar;
    journal_.LoadData(CurrentUserFile());
    journalLoaded_ = true;
}

void TMainForm::FormShow() {
    RepaintView();
}

void TMainForm::FormCloseQuery() {
    journal_.SaveData(CurrentUserFile());
    // The last chance to say where edits went that no save could put in the
    // journal, also those of the provider's save requests.
    journal_.TellSaveProblems();
}

void TMainForm::FormDestroy() {
    // The report window has no owner to take it down with this one.
    ReportsForm.reset();
    ReportsOpen = false;
    if (PrefsPageOpen) {
        SavePrefs(); // every setting, the last user among them
        return;
    }
    if (auto key = OpenSettingsKey())
        WriteLastUser(*key, settings_);
}

void TMainForm::VsButton1Click() {
    const auto result = reinterpret_cast<INT_PTR>(ShellExecuteA(
        Window(), "OPEN", "LuneaHelp.chm", nullptr, ProgramFolder().c_str(), SW_SHOWNORMAL));
    if (result > 32)
        return;
    const char* text = result == SE_ERR_ASSOCINCOMPLETE ? "No program associated to open chm files!"
                                                        : "Can`t open help file!";
    MessageBoxA(Window(), text, kApplicationTitle, MB_OK);
}

void TMainForm::VsButton2Click() {
    ShowWindow(Window(), SW_MINIMIZE);
}

void TMainForm::VsButton3Click() {
    PostMessageA(Window(), WM_CLOSE, 0, 0);
}

void TMainForm::SaveRequest() {
    // The provider waits for this answer: what the save has to tell waits
    // for the close.
    if (journalLoaded_)
        journal_.SaveData(CurrentUserFile());
}

void TMainForm::ReloadRequest() {
    journal_.LoadData(CurrentUserFile());
    journalLoaded_ = true;
    RepaintView();
}

std::string TMainForm::CurrentUserFile() const {
    return users_.DataFile(CurrentUser);
}

} // namespace lunea
