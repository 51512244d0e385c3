#include "components/controls/tab_order_win.h"

#include <algorithm>

namespace lunea {
namespace {

bool TakesTab(HWND control) {
    return IsWindowVisible(control) && IsWindowEnabled(control) &&
           (GetWindowLongPtrA(control, GWL_STYLE) & WS_TABSTOP) != 0;
}

} // namespace

HWND NextTabStop(std::span<const HWND> order, HWND from, bool backwards) {
    const auto count = static_cast<std::ptrdiff_t>(order.size());
    if (count == 0)
        return nullptr;
    const std::ptrdiff_t step = backwards ? count - 1 : 1;
    const auto found = std::find(order.begin(), order.end(), from);
    // From outside the order, the step lands on the first (or last) control.
    std::ptrdiff_t index = found != order.end() ? found - order.begin() : (backwards ? 0 : -1);
    for (std::ptrdiff_t tried = 0; tried < count; ++tried) {
        index = (index + step) % count;
        if (TakesTab(order[static_cast<std::size_t>(index)]))
            return order[static_cast<std::size_t>(index)];
    }
    return nullptr;
}

void FocusByTab(HWND control) {
    SetFocus(control);
    const bool multiLine = (GetWindowLongPtrA(control, GWL_STYLE) & ES_MULTILINE) != 0;
    if ((SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) && !multiLine)
        SendMessageA(control, EM_SETSEL, 0, -1);
}

} // namespace lunea
