#include "app/main_window_win.h"

#include "app/application_title.h"
#include "app/control_ids.h"
#include "app/locale_names_win.h"
#include "app/month_navigation.h"
#include "app/selected_date.h"
#include "app/status_texts.h"
#include "app/system_today_win.h"
#include "app/window_messages.h"
#include "components/image_sets.h"
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
    if (window_)
        DestroyWindow(window_);
}

bool TMainForm::Create(int show) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = StaticWndProc;
    windowClass.hInstance = instance_;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
    windowClass.lpszClassName = kMainWindowClass;
    if (!RegisterClassA(&windowClass))
        return false;

    const int left = (GetSystemMetrics(SM_CXSCREEN) - kClientWidth) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - kClientHeight) / 2;
    // Borderless: the window's area is its client area.
    if (!CreateWindowExA(WS_EX_APPWINDOW, kMainWindowClass, kApplicationTitle,
                         WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, left, top,
                         kClientWidth, kClientHeight, nullptr, nullptr, instance_, this))
        return false;
    ShowWindow(window_, show);
    FormShow();
    return true;
}

LRESULT CALLBACK TMainForm::StaticWndProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        auto* form =
            static_cast<TMainForm*>(reinterpret_cast<CREATESTRUCTA*>(lparam)->lpCreateParams);
        form->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<TMainForm*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!form)
        return DefWindowProcA(window, message, wparam, lparam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        form->window_ = nullptr;
        return DefWindowProcA(window, message, wparam, lparam);
    }
    return form->WndProc(message, wparam, lparam);
}

LRESULT TMainForm::WndProc(UINT message, WPARAM wparam, LPARAM lparam) {
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
    case WM_COMMAND:
        OnCommand(LOWORD(wparam), HIWORD(wparam));
        return 0;
    case WM_CTLCOLOREDIT:
        return OnControlColor(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
    case WM_CLOSE:
        FormCloseQuery();
        DestroyWindow(window_);
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
    return DefWindowProcA(window_, message, wparam, lparam);
}

void TMainForm::OnCommand(int controlId, int code) {
    if (controlId == ids::Memo1) {
        if (code == EN_CHANGE)
            Memo1Change();
        return;
    }
    if (code != BN_CLICKED)
        return;
    if (controlId >= ids::StatusBtn0 && controlId < ids::StatusBtn0 + kStatusCount) {
        StatusRadioClick(controlId - ids::StatusBtn0);
        return;
    }
    switch (controlId) {
    case ids::VsButton1:
        VsButton1Click();
        break;
    case ids::VsButton2:
        VsButton2Click();
        break;
    case ids::VsButton3:
        VsButton3Click();
        break;
    case ids::CalendarBtn:
        CalendarBtnClick();
        break;
    case ids::ChartsRadioBtn:
    case ids::PrefsRadioBtn:
    case ids::VsButton4:
        PlaceholderPageClick();
        break;
    case ids::SpeedButton6:
        SpeedButton6Click();
        break;
    case ids::SpeedButton5:
        SpeedButton5Click();
        break;
    case ids::MonthButton:
        MonthButtonClick();
        break;
    case ids::StatusButton:
        StatusButtonClick();
        break;
    case ids::TempBox:
        TempBoxClick();
        break;
    case ids::TempEditBtn:
        TempEditClickBtn();
        break;
    case ids::PMSBox:
        PMSBoxClick();
        break;
    case ids::SexBox:
        SexBoxClick();
        break;
    case ids::CrampingBox:
        CrampingBoxClick();
        break;
    case ids::AppointBox:
        AppointBoxClick();
        break;
    case ids::SecretBox:
        SecretBoxClick();
        break;
    case ids::ProtectBox:
        ProtectBoxClick();
        break;
    }
}

void TMainForm::FormCreate() {
    prompts_.SetOwner(window_);
    DayLoading = false;
    // The splash window shows here.
    ReportsOpen = false;
    users_ = LocalUserList(ProgramFolder());
    PrefsPageOpen = false;
    if (auto key = OpenSettingsKey())
        settings_ = ReadSettings(*key);

    const int chosen = ChooseStartUser(users_, settings_.LastUser);
    // With several users and no last user the welcome dialog picks one here.
    CurrentUser = chosen >= 0 ? chosen : 0;
    settings_.LastUser = users_.UserNames[CurrentUser].substr(0, Settings::LastUserCapacity);
    UsersButton->SetCaption(settings_.LastUser);
    UsersButton->SetImage(ImageRef{
        ImageSetId::Users, CurrentUser == 0 ? user_image::kLocalUser : user_image::kHandheldUser});
    // A set password is asked for here.
    ShowTemperatureFormat();

    monthNames_ = LocaleMonthNames();
    for (int month = 0; month < 12; ++month)
        PopupMenu1.SetCaption(month, monthNames_[static_cast<std::size_t>(month)]);

    // Today may lie outside the table's years: the nearest day it holds.
    const CivilDate selected = InitialSelection(SystemToday());
    SelectedYear = static_cast<std::uint16_t>(selected.year);
    SelectedMonth = static_cast<std::uint16_t>(selected.month);
    SelectedDay = static_cast<std::uint16_t>(selected.day);
    PopupMenu1.Check(SelectedMonth - 1);
    MonthButton->SetCaption(
        MonthCaption(monthNames_[static_cast<std::size_t>(SelectedMonth - 1)], SelectedYear));
    ViewMode = 1;
    journal_.LoadData(CurrentUserFile());
    journalLoaded_ = true;
}

void TMainForm::FormShow() {
    RepaintView();
}

void TMainForm::FormCloseQuery() {
    journal_.SaveData(CurrentUserFile());
}

void TMainForm::FormDestroy() {
    auto key = OpenSettingsKey();
    if (!key)
        return;
    if (PrefsPageOpen)
        WriteAllSettings(*key, settings_);
    else
        WriteLastUser(*key, settings_);
}

void TMainForm::VsButton1Click() {
    const auto result = reinterpret_cast<INT_PTR>(ShellExecuteA(
        window_, "OPEN", "LuneaHelp.chm", nullptr, ProgramFolder().c_str(), SW_SHOWNORMAL));
    if (result > 32)
        return;
    const char* text = result == SE_ERR_ASSOCINCOMPLETE ? "No program associated to open chm files!"
                                                        : "Can`t open help file!";
    MessageBoxA(window_, text, kApplicationTitle, MB_OK);
}

void TMainForm::VsButton2Click() {
    ShowWindow(window_, SW_MINIMIZE);
}

void TMainForm::VsButton3Click() {
    PostMessageA(window_, WM_CLOSE, 0, 0);
}

void TMainForm::SaveRequest() {
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

std::string TMainForm::ProgramFolder() const {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return ".\\";
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

} // namespace lunea
