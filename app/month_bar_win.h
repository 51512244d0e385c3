#pragma once
// The month navigation above the right column: previous, the month button
// with its menu of month names, next. Every path selects day 1 of the month
// it reaches and asks for a redraw.

#include "components/controls/popup_menu_win.h"
#include "app/view_state.h"
#include "components/controls/caption_buttons_win.h"
#include "components/controls/hints_win.h"

#include <array>
#include <functional>
#include <memory>
#include <string>

namespace lunea {

class MonthBar {
  public:
    // The arrows' hints come from the layout table and name the calendar keys.
    MonthBar(WindowBase& host, Hints& hints, ViewState& view, std::function<void()> repaintView);

    // Captions the menu with the locale's month names; call once at start-up.
    void SetMonthNames(const std::array<std::string, 12>& names);
    // Shows the selected month in the caption and the menu.
    void ShowSelectedMonth();
    void Show(bool visible) const;

  private:
    void ShowPreviousMonth();
    void ShowNextMonth();
    void ShowMonthMenu();
    void MonthMenuClick(int index);
    void GoTo(int year, int month);

    WindowBase& host_;
    ViewState& view_;
    std::function<void()> repaintView_;
    std::array<std::string, 12> monthNames_;
    std::unique_ptr<FlatButton> previousButton_, nextButton_;
    std::unique_ptr<PushButton> monthButton_;
    PopupMenu monthMenu_;
};

} // namespace lunea
