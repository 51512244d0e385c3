#include "app/month_bar_win.h"

#include "app/control_ids.h"
#include "app/main_window_layout.h"
#include "app/month_navigation.h"
#include "components/art/image_sets.h"

namespace lunea {

MonthBar::MonthBar(WindowBase& host, Hints& hints, ViewState& view,
                   std::function<void()> repaintView)
    : host_(host), view_(view), repaintView_(std::move(repaintView)) {
    const HWND parent = host.Window();
    previousButton_ = std::make_unique<FlatButton>(parent, ids::PreviousMonthButton,
                                                   BoundsInParent(ids::PreviousMonthButton), "",
                                                   ImageRef{ImageSetId::Glyphs, glyph::kLeft});
    monthButton_ = std::make_unique<PushButton>(parent, ids::MonthButton,
                                                BoundsInParent(ids::MonthButton), "");
    nextButton_ = std::make_unique<FlatButton>(parent, ids::NextMonthButton,
                                               BoundsInParent(ids::NextMonthButton), "",
                                               ImageRef{ImageSetId::Glyphs, glyph::kRight});
    hints.Add(previousButton_->Window(), LayoutOf(ids::PreviousMonthButton).hint);
    hints.Add(nextButton_->Window(), LayoutOf(ids::NextMonthButton).hint);
    Font monthFont = monthButton_->GetFont();
    monthFont.charset = 204;
    monthButton_->SetFont(monthFont);
    for (int month = 0; month < 12; ++month)
        monthMenu_.Add("");
    host.OnClick(ids::PreviousMonthButton, [this] { ShowPreviousMonth(); });
    host.OnClick(ids::NextMonthButton, [this] { ShowNextMonth(); });
    host.OnClick(ids::MonthButton, [this] { ShowMonthMenu(); });
}

void MonthBar::SetMonthNames(const std::array<std::string, 12>& names) {
    monthNames_ = names;
    for (int month = 0; month < 12; ++month)
        monthMenu_.SetCaption(month, monthNames_[static_cast<std::size_t>(month)]);
}

void MonthBar::ShowSelectedMonth() {
    const int month = view_.selectedMonth;
    monthButton_->SetCaption(
        MonthCaption(monthNames_[static_cast<std::size_t>(month - 1)], view_.selectedYear));
    monthMenu_.Check(month - 1);
}

void MonthBar::Show(bool visible) const {
    const int show = visible ? SW_SHOW : SW_HIDE;
    for (HWND button : {previousButton_->Window(), monthButton_->Window(), nextButton_->Window()})
        ShowWindow(button, show);
}

void MonthBar::GoTo(int year, int month) {
    view_.selectedYear = static_cast<std::uint16_t>(year);
    view_.selectedMonth = static_cast<std::uint16_t>(month);
    ShowSelectedMonth();
    view_.selectedDay = 1;
    repaintView_();
}

void MonthBar::ShowPreviousMonth() {
    const YearMonth previous = PreviousMonth({view_.selectedYear, view_.selectedMonth});
    GoTo(previous.year, previous.month);
}

void MonthBar::ShowNextMonth() {
    const YearMonth next = NextMonth({view_.selectedYear, view_.selectedMonth});
    GoTo(next.year, next.month);
}

void MonthBar::ShowMonthMenu() {
    RECT frame{};
    GetWindowRect(host_.Window(), &frame);
    const int index = monthMenu_.Track(host_.Window(), frame.left + 518, frame.top + 62);
    if (index >= 0)
        MonthMenuClick(index);
}

void MonthBar::MonthMenuClick(int index) {
    GoTo(view_.selectedYear, index + 1);
}

} // namespace lunea
