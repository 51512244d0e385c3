#include "app/main_window_win.h"

#include "app/locale_names_win.h"
#include "app/selected_date.h"
#include "app/system_today_win.h"
#include "common/desktop_contract.h"
#include "common/program_folder_win.h"
#include "components/controls/help_file_win.h"
#include "components/controls/message_loop_win.h"
#include "dialogs/splash_win.h"
#include "dialogs/password_prompt_win.h"
#include "dialogs/welcome_dialog_win.h"
#include "settings/settings_key_win.h"
#include "users/user_discovery_win.h"

namespace lunea {
namespace {

const int kClientWidth = 600;
const int kClientHeight = 394;

} // namespace

MainWindow::MainWindow(HINSTANCE instance)
    : instance_(instance), files_(MakePlatformFileSystem()),
      session_(
          *files_, prompts_, [] { return OpenSettingsKey(); }, SystemLocalTime) {}

MainWindow::~MainWindow() {
    // Destroyed here, while the handlers of its last messages still exist.
    if (Window())
        DestroyWindow(Window());
}

bool MainWindow::Create(int show) {
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
    RepaintView();
    return true;
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_CREATE:
        CreateControls();
        RegisterCalendarKeys();
        StartSession();
        return 0;
    case messages::kSaveJournal:
        session_.SaveRequest();
        break;
    case messages::kReloadJournal:
        session_.Reload();
        RepaintView();
        break;
    case WM_CLOSE:
        // Not under a dialog of the report window: its call returns into that
        // window, which the close destroys.
        if (reportDialogRunning_) {
            closeWaiting_ = true;
            return 0;
        }
        SaveBeforeClosing();
        DestroyWindow(Window());
        return 0;
    case WM_QUERYENDSESSION:
        // Windows ends without closing the window: save as a close would.
        SaveBeforeClosing();
        return TRUE;
    case WM_ENDSESSION:
        if (wparam)
            EndSession();
        return 0;
    case WM_HELP:
        // F1 on any control reaches here through the parent chain.
        ShowHelp();
        return TRUE;
    case WM_DESTROY:
        RemoveKeyHandler(Window());
        EndSession();
        PostQuitMessage(0);
        return 0;
    }
    return WindowBase::HandleMessage(message, wparam, lparam);
}

void MainWindow::StartSession() {
    prompts_.SetOwner(Window());
    view_.dayLoading = false;
    ShowSplash(Window());
    session_.Start(DiscoverUsers(ProgramFolder()),
                   {[this](const UserList& users) { return ChooseWelcomeUser(Window(), users); },
                    [this](const std::string& password) {
                        if (!AskPassword(Window(), password))
                            RequestTermination();
                    }});
    usersMenu_ = std::make_unique<UsersMenu>(session_.Users());
    ShowCurrentUser();
    calendarPage_->ShowTemperatureFormat();
    prefsPage_->ShowIconKinds();
    monthBar_->SetMonthNames(LocaleMonthNames());

    // Today may lie outside the table's years: the nearest day it holds.
    view_.Select(InitialSelection(SystemToday()));
    monthBar_->ShowSelectedMonth();
    view_.page = Page::Calendar;
}

void MainWindow::SaveBeforeClosing() {
    session_.SaveOnClose();
}

void MainWindow::EndSession() {
    // The report window has no owner to take it down with this one. Under
    // one of its dialogs it stays: the dialog's call returns into it.
    if (!reportDialogRunning_)
        reportWindow_.reset();
    if (view_.page == Page::Preferences) {
        // Left once: a second end (WM_ENDSESSION, then WM_DESTROY) writes
        // only the last user.
        view_.page = Page::Calendar;
        LeavePrefs(); // every setting, the last user among them
        return;
    }
    session_.WriteLastUser();
}

void MainWindow::ShowHelp() {
    OpenHelpFile(Window(), prompts_, "LuneaHelp.chm");
}

void MainWindow::Minimize() {
    ShowWindow(Window(), SW_MINIMIZE);
}

void MainWindow::RequestClose() {
    PostMessageA(Window(), WM_CLOSE, 0, 0);
}

} // namespace lunea
