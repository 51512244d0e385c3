#include "app/month_bar_win.h"

#include "app/control_ids.h"
#include "app/main_window_layout.h"
#include "app/month_navigation.h"
#include "components/art/image_sets.h"

namespace lunea {

MonthBar::MonthBar(WindowBase& host, ViewState& view, std::function<void()> repaintView)
    : host_(host), view_(view), repaintView_(std::move(repaintView)) {
    const HWND parent = host.Window();
    SpeedButton6 =
        std::make_unique<FlatButton>(parent, ids::SpeedButton6, BoundsInParent(ids::SpeedButton6),
                                     "", ImageRef{ImageSetId::Glyphs, glyph::kLeft});
    MonthButton = std::make_unique<PushButton>(parent, ids::MonthButton,
                                               BoundsInParent(ids::MonthButton), "");
    SpeedButton5 =
        std::make_unique<FlatButton>(parent, ids::SpeedButton5, BoundsInParent(ids::SpeedButton5),
                                     "", ImageRef{ImageSetId::Glyphs, glyph::kRight});
    Font monthFont = MonthButton->GetFont();
    monthFont.charset = 204;
    MonthButton->SetFont(monthFont);
    for (int month = 0; month < 12; ++month)
        PopupMenu1.Add("");
    host.OnClick(ids::SpeedButton6, [this] { SpeedButton6Click(); });
    host.OnClick(ids::SpeedButton5, [this] { SpeedButton5Click(); });
    host.OnClick(ids::MonthButton, [this] { MonthButtonClick(); });
}

void MonthBar::SetMonthNames(const std::array<std::string, 12>& names) {
    monthNames_ = names;
    for (int month = 0; month < 12; ++month)
        PopupMenu1.SetCaption(month, monthNames_[static_cast<std::size_t>(month)]);
}

void MonthBar::ShowSelectedMonth() {
    const int month = view_.SelectedMonth;
    MonthButton->SetCaption(
        MonthCaption(monthNames_[static_cast<std::size_t>(month - 1)], view_.SelectedYear));
    PopupMenu1.Check(month - 1);
}

void MonthBar::Show(bool visible) const {
    const int show = visible ? SW_SHOW : SW_HIDE;
    for (HWND button : {SpeedButton6->Window(), MonthButton->Window(), SpeedButton5->Window()})
        ShowWindow(button, show);
}

void MonthBar::GoTo(int year, int month) {
    view_.SelectedYear = static_cast<std::uint16_t>(year);
    view_.SelectedMonth = static_cast<std::uint16_t>(month);
    ShowSelectedMonth();
    view_.SelectedDay = 1;
    repaintView_();
}

void MonthBar::SpeedButton6Click() {
    const YearMonth previous = PreviousMonth({view_.SelectedYear, view_.SelectedMonth});
    GoTo(previous.year, previous.month);
}

void MonthBar::SpeedButton5Click() {
    const YearMonth next = NextMonth({view_.SelectedYear, view_.SelectedMonth});
    GoTo(next.year, next.month);
}

void MonthBar::MonthButtonClick() {
    RECT frame{};
    GetWindowRect(host_.Window(), &frame);
    const int index = PopupMenu1.Track(host_.Window(), frame.left + 518, frame.top + 62);
    if (index >= 0)
        PopupMenuItemClick(index);
}

void MonthBar::PopupMenuItemClick(int index) {
    GoTo(view_.SelectedYear, index + 1);
}

} // namespace lunea
