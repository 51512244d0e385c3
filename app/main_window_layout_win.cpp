// The main window's own controls: the skin, the title bar, the page column,
// the month navigation, and the pages.
#include "app/control_ids.h"
#include "app/labelled_button_win.h"
#include "app/main_window_layout.h"
#include "settings/prefs_ids.h"
#include "app/main_window_win.h"
#include "components/art/image_sets.h"

namespace lunea {

void TMainForm::CreateControls() {
    skin_ = std::make_unique<SkinFrame>(Window());
    hints_ = std::make_unique<Hints>(Window());
    CreateTitleBar();
    CreatePageColumn();
    monthBar_ = std::make_unique<MonthBar>(*this, view_, [this] { RepaintView(); });
    calendarPage_ =
        std::make_unique<CalendarPage>(Window(), *hints_,
                                       CalendarPageContext{journal_.Days(), settings_, analysis_,
                                                           view_, [this] { RepaintView(); }});
    chartsPage_ = std::make_unique<ChartsPage>(
        Window(),
        ChartsPageContext{journal_.Days(), settings_, analysis_, view_, [this] { RepaintView(); }});
    const PrefsPagePlace prefsPlace{ids::PrefsPage, BoundsInParent(ids::PrefsPage),
                                    BoundsInParent(prefs_ids::PrefsPanel),
                                    BoundsInParent(prefs_ids::PrefsPageControl)};
    prefsPage_ = std::make_unique<PrefsPage>(Window(), prefsPlace,
                                             PrefsPageContext{settings_, journal_, analysis_,
                                                              [this] { RepaintView(); },
                                                              [this] { SpeedButton1Click(); }});
    // The pages cover the month navigation's place: they stay beneath it.
    for (HWND page :
         {calendarPage_->Container(), chartsPage_->Container(), prefsPage_->Container()})
        SetWindowPos(page, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TMainForm::CreateTitleBar() {
    const struct {
        std::unique_ptr<FlatButton>& button;
        int id;
        std::optional<ImageRef> glyph;
        void (TMainForm::*click)();
    } buttons[] = {
        {UsersButton, ids::UsersButton, std::nullopt, &TMainForm::UsersButtonClick},
        {VsButton1, ids::VsButton1, ImageRef{ImageSetId::Glyphs, glyph::kHelp},
         &TMainForm::VsButton1Click},
        {VsButton2, ids::VsButton2, ImageRef{ImageSetId::Glyphs, glyph::kMinimize},
         &TMainForm::VsButton2Click},
        {VsButton3, ids::VsButton3, ImageRef{ImageSetId::Glyphs, glyph::kClose},
         &TMainForm::VsButton3Click},
    };
    for (const auto& slot : buttons) {
        const ControlSpec& entry = LayoutOf(slot.id);
        slot.button =
            std::make_unique<FlatButton>(Window(), slot.id, entry.bounds, entry.text, slot.glyph);
        hints_->Add(slot.button->Window(), entry.hint);
        OnClick(slot.id, [this, click = slot.click] { (this->*click)(); });
    }
    Font usersFont = UsersButton->GetFont();
    usersFont.style = kBold;
    usersFont.color = Rgb(0, 0, 255);
    UsersButton->SetFont(usersFont);
    UsersButton->SetHandCursor(true);
}

void TMainForm::CreatePageColumn() {
    constexpr int kPageGroup = 1;
    const struct {
        std::unique_ptr<PageButton>& button;
        int id;
        int labelId;
        int image;
        PageButtonKind kind;
        void (TMainForm::*click)();
    } slots[] = {
        {CalendarBtn, ids::CalendarBtn, ids::CalendarLabel, page_button::kCalendar,
         PageButtonKind::Page, &TMainForm::CalendarBtnClick},
        {ChartsRadioBtn, ids::ChartsRadioBtn, ids::ChartsLabel, page_button::kCharts,
         PageButtonKind::Page, &TMainForm::ChartsRadioBtnClick},
        {PrefsRadioBtn, ids::PrefsRadioBtn, ids::PreferencesLabel, page_button::kPreferences,
         PageButtonKind::Page, &TMainForm::PrefsBtnClick},
        {VsButton4, ids::VsButton4, ids::ReportsLabel, page_button::kReports,
         PageButtonKind::Command, &TMainForm::VsButton4Click},
    };
    for (const auto& slot : slots) {
        LabelledButton made = MakeLabelledButton(Window(), slot.id, slot.labelId,
                                                 ImageRef{ImageSetId::PageButtons, slot.image},
                                                 slot.kind, kPageGroup, HorizontalAlign::Centre);
        slot.button = std::move(made.button);
        pageLabels_.push_back(std::move(made.label));
        OnClick(slot.id, [this, click = slot.click] { (this->*click)(); });
    }
    CalendarBtn->SetChecked(true);
}

} // namespace lunea
