#include "components/controls/tab_control_win.h"

#include "components/controls/control_classes.h"
#include "components/canvas/gdi_font_win.h"

#include <commctrl.h>

namespace lunea {

TabControl::TabControl(WindowBase& parent, int id, const Rect& bounds, const Font& font,
                       TabPainter painter)
    : font_(CreateGdiFont(font)), painter_(std::move(painter)) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    window_ = CreateWindowExA(
        0, control_class::kTabControl, "",
        WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_TABSTOP | TCS_OWNERDRAWFIXED,
        bounds.left, bounds.top, bounds.Width(), bounds.Height(), parent.Window(),
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    if (!window_)
        return;
    Attach(window_);
    if (font_)
        SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
    parent.OnNotify(id, [this](const NMHDR& notification) {
        if (notification.code == TCN_SELCHANGE)
            ShowSelectedSheet();
    });
}

TabControl::~TabControl() {
    sheets_.clear();
    Detach(window_);
    if (window_ && IsWindow(window_))
        DestroyWindow(window_);
}

Panel& TabControl::AddTab(const std::string& caption, int sheetId) {
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    std::string text = caption;
    item.pszText = text.data();
    const int index = static_cast<int>(sheets_.size());
    SendMessageA(window_, TCM_INSERTITEMA, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
    RECT area{};
    GetClientRect(window_, &area);
    SendMessageA(window_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    sheets_.push_back(std::make_unique<Panel>(window_, sheetId,
                                              Rect{area.left, area.top, area.right, area.bottom}));
    ShowSelectedSheet();
    return *sheets_.back();
}

int TabControl::Selected() const {
    return static_cast<int>(SendMessageA(window_, TCM_GETCURSEL, 0, 0));
}

void TabControl::Select(int index) {
    SendMessageA(window_, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    ShowSelectedSheet();
}

void TabControl::ShowSelectedSheet() const {
    const int selected = Selected();
    for (std::size_t i = 0; i < sheets_.size(); ++i)
        sheets_[i]->Show(static_cast<int>(i) == selected);
}

void TabControl::DrawItem(const DRAWITEMSTRUCT& item) {
    const RECT& r = item.rcItem;
    FillRect(item.hDC, &r, GetSysColorBrush(COLOR_BTNFACE));
    if (painter_)
        painter_(item.hDC, static_cast<int>(item.itemID), {r.left, r.top, r.right, r.bottom},
                 static_cast<int>(item.itemID) == Selected());
}

} // namespace lunea
