#include "components/controls/hints_win.h"

#include <commctrl.h>

namespace lunea {
namespace {

// The size every version of the tooltip control accepts.
TTTOOLINFOA ToolFor(HWND owner, HWND control) {
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = owner;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    return tool;
}

} // namespace

Hints::Hints(HWND owner) : owner_(owner) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                               WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
}

Hints::~Hints() {
    if (tooltip_ && IsWindow(tooltip_))
        DestroyWindow(tooltip_);
}

bool Hints::Add(HWND control, const std::string& text) {
    if (!tooltip_ || !control)
        return false;
    TTTOOLINFOA tool = ToolFor(owner_, control);
    tool.lpszText = const_cast<char*>(text.c_str()); // copied by the control
    return SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool)) != FALSE;
}

std::string Hints::TextOf(HWND control) const {
    if (!tooltip_)
        return {};
    char buffer[256] = {};
    TTTOOLINFOA tool = ToolFor(owner_, control);
    tool.lpszText = buffer;
    SendMessageA(tooltip_, TTM_GETTEXTA, sizeof(buffer), reinterpret_cast<LPARAM>(&tool));
    return buffer;
}

} // namespace lunea
