// The main window's own controls: the skin, the title bar, the page column,
// the month navigation, and the pages.
#include "app/control_ids.h"
#include "app/labelled_button_win.h"
#include "app/main_window_layout.h"
#include "settings/prefs_ids.h"
#include "app/main_window_win.h"
#include "components/art/image_sets.h"

namespace lunea {
namespace {

// Backups are named by the local time the user reads on the clock.
BackupTime LocalBackupTime() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute};
}

} // namespace

void MainWindow::CreateControls() {
    skin_ = std::make_unique<SkinFrame>(Window());
    hints_ = std::make_unique<Hints>(Window());
    CreateTitleBar();
    CreatePageColumn();
    monthBar_ = std::make_unique<MonthBar>(*this, *hints_, view_, [this] { RepaintView(); });
    calendarPage_ = std::make_unique<CalendarPage>(
        Window(), *hints_,
        CalendarPageContext{session_.EditableDays(), session_.CurrentSettings(),
                            session_.Analysis(), view_, [this] { RepaintView(); },
                            [this] { JournalChanged(); }});
    chartsPage_ = std::make_unique<ChartsPage>(
        Window(),
        ChartsPageContext{session_.Days(), session_.CurrentSettings(), session_.Analysis(), view_,
                          printer_, [this] { RepaintView(); }});
    const PrefsPagePlace prefsPlace{ids::PrefsPage, BoundsInParent(ids::PrefsPage),
                                    BoundsInParent(prefs_ids::PrefsPanel),
                                    BoundsInParent(prefs_ids::PrefsPageControl)};
    prefsPage_ = std::make_unique<PrefsPage>(
        Window(), prefsPlace,
        PrefsPageContext{session_.CurrentSettings(), session_.Analysis(),
                         [this](int slot, int kind) { session_.SetIconKind(slot, kind); },
                         [this] { session_.RestoreDefaultPrefs(); },
                         [this] {
                             session_.ClearDatabase(LocalBackupTime());
                             RepaintView();
                         },
                         [this] { ExportCsv(); }});
    // The pages cover the month navigation's place: they stay beneath it.
    for (HWND page :
         {calendarPage_->Container(), chartsPage_->Container(), prefsPage_->Container()})
        SetWindowPos(page, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void MainWindow::CreateTitleBar() {
    const struct {
        std::unique_ptr<FlatButton>& button;
        int id;
        std::optional<ImageRef> glyph;
        void (MainWindow::*click)();
    } buttons[] = {
        {usersButton_, ids::UsersButton, std::nullopt, &MainWindow::ShowUsersMenu},
        {helpButton_, ids::HelpButton, ImageRef{ImageSetId::Glyphs, glyph::kHelp},
         &MainWindow::ShowHelp},
        {minimizeButton_, ids::MinimizeButton, ImageRef{ImageSetId::Glyphs, glyph::kMinimize},
         &MainWindow::Minimize},
        {closeButton_, ids::CloseButton, ImageRef{ImageSetId::Glyphs, glyph::kClose},
         &MainWindow::RequestClose},
    };
    for (const auto& slot : buttons) {
        const ControlSpec& entry = LayoutOf(slot.id);
        slot.button =
            std::make_unique<FlatButton>(Window(), slot.id, entry.bounds, entry.text, slot.glyph);
        hints_->Add(slot.button->Window(), entry.hint);
        OnClick(slot.id, [this, click = slot.click] { (this->*click)(); });
    }
    Font usersFont = usersButton_->GetFont();
    usersFont.style = kBold;
    usersFont.color = kBlue;
    usersButton_->SetFont(usersFont);
    usersButton_->SetHandCursor(true);
}

void MainWindow::CreatePageColumn() {
    constexpr int kPageGroup = 1;
    const LabelledButtonSlot slots[] = {
        {calendarButton_, ids::CalendarButton, ids::CalendarLabel, page_button::kCalendar,
         PageButtonKind::Page, [this] { ShowPage(Page::Calendar); }},
        {chartsButton_, ids::ChartsButton, ids::ChartsLabel, page_button::kCharts,
         PageButtonKind::Page, [this] { ShowPage(Page::Charts); }},
        {prefsButton_, ids::PrefsButton, ids::PreferencesLabel, page_button::kPreferences,
         PageButtonKind::Page, [this] { ShowPage(Page::Preferences); }},
        {reportsButton_, ids::ReportsButton, ids::ReportsLabel, page_button::kReports,
         PageButtonKind::Command, [this] { ToggleReports(); }},
    };
    pageLabels_ = MakeLabelledButtons(
        Window(), slots, {ImageSetId::PageButtons, kPageGroup, HorizontalAlign::Centre},
        [this](int id, std::function<void()> click) { OnClick(id, std::move(click)); });
    calendarButton_->SetChecked(true);
}

} // namespace lunea
