#include "components/controls/spin_edit_win.h"

#include "components/controls/control_painters.h"

#include <commctrl.h>

namespace lunea {
namespace {

constexpr int kArrowsWidth = 16;

Rect EditPart(const Rect& bounds) {
    return {bounds.left, bounds.top, bounds.right - kArrowsWidth, bounds.bottom};
}

} // namespace

SpinEdit::SpinEdit(HWND parent, int id, const Rect& bounds, SpinRange range, Color background)
    : range_(range), edit_(parent, id, EditPart(bounds),
                           {ES_NUMBER | ES_AUTOHSCROLL, 0, ControlFont(), background}) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&controls);
    arrows_ =
        CreateWindowExA(0, UPDOWN_CLASSA, "",
                        WS_CHILD | WS_VISIBLE | UDS_ARROWKEYS | UDS_NOTHOUSANDS | UDS_SETBUDDYINT,
                        bounds.right - kArrowsWidth, bounds.top, kArrowsWidth, bounds.Height(),
                        parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!arrows_)
        return;
    SendMessageA(arrows_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit_.Window()), 0);
    SendMessageA(arrows_, UDM_SETRANGE32, static_cast<WPARAM>(range.minimum),
                 static_cast<LPARAM>(range.maximum));
    SetValue(range.minimum);
}

SpinEdit::~SpinEdit() {
    if (arrows_ && IsWindow(arrows_))
        DestroyWindow(arrows_);
}

int SpinEdit::Value() const {
    return SpinValueOf(edit_.Text(), range_);
}

void SpinEdit::SetValue(int value) const {
    const int clamped = range_.Clamp(value);
    edit_.SetText(std::to_string(clamped));
    if (arrows_)
        SendMessageA(arrows_, UDM_SETPOS32, 0, clamped);
}

void SpinEdit::SetArrowsMaximum(int maximum) const {
    if (arrows_)
        SendMessageA(arrows_, UDM_SETRANGE32, static_cast<WPARAM>(range_.minimum),
                     static_cast<LPARAM>(range_.Clamp(maximum)));
}

} // namespace lunea
