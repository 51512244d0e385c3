#pragma once
#include "app/calendar_page_win.h"
#include "app/charts_page_win.h"
#include "app/journal_session.h"
#include "app/month_bar_win.h"
#include "app/view_state.h"
#include "components/controls/caption_buttons_win.h"
#include "components/controls/hints_win.h"
#include "components/controls/message_box_prompts_win.h"
#include "components/controls/page_button_win.h"
#include "components/controls/skin_frame_win.h"
#include "components/controls/skin_label_win.h"
#include "components/controls/window_base_win.h"
#include "components/printing/print_dialog_win.h"
#include "reports/report_window_win.h"
#include "settings/prefs_page_win.h"
#include "users/users_menu_win.h"

#include <windows.h>

#include <memory>
#include <vector>

namespace lunea {

// The main window (window class "TMainForm"): creates the controls and the
// pages, and routes their events to the journal session and the pages.
class MainWindow final : public WindowBase {
  public:
    explicit MainWindow(HINSTANCE instance);
    ~MainWindow() override;

    // Creates and shows the window; false when it cannot be created.
    bool Create(int show);

  private:
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

    // Controls of the window itself (main_window_layout_win.cpp).
    void CreateControls();
    void CreateTitleBar();
    void CreatePageColumn();

    // Start, end and the title bar (main_window_win.cpp).
    void StartSession();
    void SaveBeforeClosing();
    void EndSession();
    void ShowHelp();
    void Minimize();
    void RequestClose();

    // Users (main_window_users_win.cpp).
    void ShowCurrentUser();
    void ShowUsersMenu();
    void SwitchUser(int user);
    void Transfer();

    // Pages (main_window_pages_win.cpp).
    void RepaintView();
    // A day or the whole journal changed: the analysis follows, then the view.
    void JournalChanged();
    // Shows one page as one container; the Preferences page only after its
    // password, and leaving it takes its values over.
    void ShowPage(Page page);
    // Checks the page button of the page that shows, unchecks the others.
    void CheckPageButton();
    void LeavePrefs();
    void ExportCsv();

    // The calendar keys (main_window_keys_win.cpp).
    void RegisterCalendarKeys();
    bool CalendarKey(UINT message, WPARAM key);

    // The report window (main_window_reports_win.cpp).
    bool ReportsShown() const;
    void ToggleReports();
    void ReportsClosed();
    // While a dialog of the report window runs, this window takes no input,
    // and a close waits until the dialog has returned.
    void ReportDialogRunning(bool running);
    // A page button of the report window: the main window comes to the front.
    void ShowPageFromReport(Page page);

    HINSTANCE instance_;
    MessageBoxPrompts prompts_;
    std::unique_ptr<FileSystem> files_;
    JournalSession session_;
    ViewState view_;
    // One printer choice for the whole program, the reports and the chart
    // alike; declared before the pages and the report window that use it.
    PrinterSettings printer_;

    // Controls, in the order they stand from the title bar down.
    std::unique_ptr<SkinFrame> skin_;
    std::unique_ptr<Hints> hints_;
    std::unique_ptr<FlatButton> usersButton_, helpButton_, minimizeButton_, closeButton_;
    std::unique_ptr<UsersMenu> usersMenu_;
    std::unique_ptr<PageButton> calendarButton_, chartsButton_, prefsButton_, reportsButton_;
    std::vector<std::unique_ptr<SkinLabel>> pageLabels_;
    std::unique_ptr<MonthBar> monthBar_;
    // The pages, one shown at a time in the centre and the right column.
    std::unique_ptr<CalendarPage> calendarPage_;
    std::unique_ptr<ChartsPage> chartsPage_;
    std::unique_ptr<PrefsPage> prefsPage_;
    // The report window last opened; its window is gone once closed.
    std::unique_ptr<ReportWindow> reportWindow_;
    bool reportDialogRunning_ = false;
    bool closeWaiting_ = false;
};

} // namespace lunea
