// The calendar keys: Alt with an arrow, Page Up/Down or Home moves the
// selected day wherever the focus is on the Calendar page. Keys an edit box
// does not use, so typing a note stays undisturbed. Tab and Shift+Tab walk
// the day editor's controls.
#include "app/main_window_win.h"
#include "app/month_navigation.h"
#include "app/system_today_win.h"
#include "components/controls/message_loop_win.h"

#include <optional>

namespace lunea {
namespace {

constexpr struct {
    WPARAM key;
    DateStep step;
} kCalendarKeys[] = {
    {VK_LEFT, DateStep::PreviousDay},    {VK_RIGHT, DateStep::NextDay},
    {VK_UP, DateStep::PreviousWeek},     {VK_DOWN, DateStep::NextWeek},
    {VK_PRIOR, DateStep::PreviousMonth}, {VK_NEXT, DateStep::NextMonth},
    {VK_HOME, DateStep::Today},
};

std::optional<DateStep> StepOfKey(WPARAM key) {
    for (const auto& entry : kCalendarKeys)
        if (entry.key == key)
            return entry.step;
    return std::nullopt;
}

} // namespace

void MainWindow::RegisterCalendarKeys() {
    SetKeyHandler(Window(), [this](UINT message, WPARAM key) { return CalendarKey(message, key); });
}

bool MainWindow::CalendarKey(UINT message, WPARAM key) {
    if (view_.page != Page::Calendar || !IsWindowEnabled(Window()))
        return false;
    // Tab moves on even from the note: in a form Tab goes to the next field.
    if (message == WM_KEYDOWN && key == VK_TAB && GetKeyState(VK_CONTROL) >= 0) {
        calendarPage_->TabToNextControl(GetKeyState(VK_SHIFT) < 0);
        return true;
    }
    const std::optional<DateStep> step = StepOfKey(key);
    if (message != WM_SYSKEYDOWN || !step)
        return false;
    view_.Select(StepSelection(view_.Selected(), *step, SystemToday()));
    monthBar_->ShowSelectedMonth();
    RepaintView();
    return true;
}

} // namespace lunea
