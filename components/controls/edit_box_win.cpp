#include "components/controls/edit_box_win.h"

#include "components/canvas/gdi_font_win.h"
#include "components/controls/control_classes.h"

#include <vector>

namespace lunea {
namespace {

constexpr char kBoxProperty[] = "LuneaEditBox";

} // namespace

EditBox::EditBox(HWND parent, int id, const Rect& bounds, const EditBoxStyle& style)
    : background_(style.background) {
    window_ = CreateWindowExA(WS_EX_CLIENTEDGE, control_class::kEdit, "",
                              WS_CHILD | WS_VISIBLE | WS_TABSTOP | style.style, bounds.left,
                              bounds.top, bounds.Width(), bounds.Height(), parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              GetModuleHandleA(nullptr), nullptr);
    if (!window_)
        return;
    SetPropA(window_, kBoxProperty, this);
    font_ = CreateGdiFont(style.font);
    if (font_)
        SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
    if (style.limit > 0)
        SendMessageA(window_, EM_LIMITTEXT, static_cast<WPARAM>(style.limit), 0);
    if (background_)
        brush_.Reset(CreateSolidBrush(*background_));
}

EditBox::~EditBox() {
    if (window_ && IsWindow(window_)) {
        RemovePropA(window_, kBoxProperty);
        DestroyWindow(window_);
    }
}

std::string EditBox::Text() const {
    const int length = GetWindowTextLengthA(window_);
    std::vector<char> text(static_cast<std::size_t>(length) + 1, '\0');
    GetWindowTextA(window_, text.data(), length + 1);
    return text.data();
}

void EditBox::SetText(const std::string& text) const {
    SetWindowTextA(window_, text.c_str());
}

EditBox* EditBox::FromWindow(HWND window) {
    return window ? static_cast<EditBox*>(GetPropA(window, kBoxProperty)) : nullptr;
}

HBRUSH EditBox::PrepareColours(HDC dc) const {
    if (!background_ || !brush_)
        return nullptr;
    SetBkColor(dc, *background_);
    return brush_.Get();
}

} // namespace lunea
