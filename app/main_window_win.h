#pragma once
#include "app/calendar_page_win.h"
#include "app/charts_page_win.h"
#include "app/message_box_prompts_win.h"
#include "app/month_bar_win.h"
#include "app/view_state.h"
#include "reports/report_window_win.h"
#include "settings/prefs_page_win.h"
#include "components/controls/caption_buttons_win.h"
#include "components/controls/hints_win.h"
#include "components/controls/page_button_win.h"
#include "components/controls/skin_frame_win.h"
#include "components/controls/skin_label_win.h"
#include "components/controls/window_base_win.h"
#include "journal/cycle_analysis.h"
#include "journal/data_file.h"
#include "settings/settings.h"
#include "users/user_list.h"
#include "users/users_menu_win.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace lunea {

// The main window: owns the journal, the users, the settings, the analysis
// and the view state for the whole run, and the pages that show them.
class TMainForm final : public WindowBase {
  public:
    explicit TMainForm(HINSTANCE instance);
    ~TMainForm() override;

    // Creates and shows the window; false when it cannot be created.
    bool Create(int show);

  private:
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

    // Controls of the window itself (main_window_layout_win.cpp).
    void CreateControls();
    void CreateTitleBar();
    void CreatePageColumn();

    // Lifecycle (main_window_win.cpp).
    void FormCreate();
    void FormShow();
    void FormCloseQuery();
    void FormDestroy();
    void VsButton1Click();
    void VsButton2Click();
    void VsButton3Click();
    void SaveRequest();
    void ReloadRequest();

    // Users (main_window_users_win.cpp).
    void GetUsersData();
    void ChooseCurrentUser();
    void ShowCurrentUser();
    void UsersButtonClick();
    void UsersPopupClick(int user);
    void TransferClick();

    // Pages (main_window_pages_win.cpp).
    void RepaintView();
    // Checks the page button of the page that shows, unchecks the others.
    void ShowPageButton();
    void CalendarBtnClick();
    void ChartsRadioBtnClick();
    void PrefsBtnClick();
    void SavePrefs();
    void SpeedButton1Click();

    // The report window (main_window_reports_win.cpp).
    void VsButton4Click();
    void ReportsFormClosed();
    // A page button of the report window: the main window comes to the front.
    void ShowPageFromReport(void (TMainForm::*click)());

    std::string CurrentUserFile() const;

    HINSTANCE instance_;
    MessageBoxPrompts prompts_;
    std::unique_ptr<FileSystem> files_;
    Journal journal_;
    UserList users_;
    std::unique_ptr<UsersMenu> usersMenu_;
    int CurrentUser = 0;
    Settings settings_;
    CycleAnalysis analysis_;
    ViewState view_;
    bool ReportsOpen = false;
    bool PrefsPageOpen = false;
    // A save request before the first load would write an empty table over
    // the user's file.
    bool journalLoaded_ = false;

    // Controls, in the order they stand from the title bar down.
    std::unique_ptr<SkinFrame> skin_;
    std::unique_ptr<Hints> hints_;
    std::unique_ptr<FlatButton> UsersButton, VsButton1, VsButton2, VsButton3;
    std::unique_ptr<PageButton> CalendarBtn, ChartsRadioBtn, PrefsRadioBtn, VsButton4;
    std::vector<std::unique_ptr<SkinLabel>> pageLabels_;
    std::unique_ptr<MonthBar> monthBar_;
    // The pages, one shown at a time in the centre and the right column.
    std::unique_ptr<CalendarPage> calendarPage_;
    std::unique_ptr<ChartsPage> chartsPage_;
    std::unique_ptr<PrefsPage> prefsPage_;
    // The report window last opened; its window is gone once closed.
    std::unique_ptr<ReportWindow> ReportsForm;
};

} // namespace lunea
