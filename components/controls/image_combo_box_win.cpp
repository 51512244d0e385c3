#include "components/controls/image_combo_box_win.h"

#include "components/controls/control_classes.h"
#include "components/canvas/gdi_canvas_win.h"

#include <vector>

namespace lunea {
namespace {

constexpr int kItemHeight = 18;

} // namespace

ImageComboBox::ImageComboBox(HWND parent, int id, const Rect& bounds, HFONT font) {
    // The height includes the dropped list.
    window_ = CreateWindowExA(0, "COMBOBOX", "",
                              WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST |
                                  CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
                              bounds.left, bounds.top, bounds.Width(), bounds.Height(), parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              GetModuleHandleA(nullptr), nullptr);
    if (!window_)
        return;
    Attach(window_);
    if (font)
        SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageA(window_, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), kItemHeight);
    SendMessageA(window_, CB_SETITEMHEIGHT, 0, kItemHeight);
}

ImageComboBox::~ImageComboBox() {
    Detach(window_);
    if (window_ && IsWindow(window_))
        DestroyWindow(window_);
}

void ImageComboBox::Add(const std::string& text, ImageRef image) {
    if (SendMessageA(window_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())) >= 0)
        images_.push_back(image);
}

void ImageComboBox::Select(int index) const {
    SendMessageA(window_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int ImageComboBox::Selected() const {
    const LRESULT index = SendMessageA(window_, CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? -1 : static_cast<int>(index);
}

std::string ImageComboBox::TextOf(int index) const {
    const LRESULT length = SendMessageA(window_, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR)
        return {};
    std::vector<char> text(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(window_, CB_GETLBTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
    return text.data();
}

void ImageComboBox::DrawItem(const DRAWITEMSTRUCT& item) {
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (item.itemID == static_cast<UINT>(-1) || item.itemID >= images_.size())
        return;
    const int index = static_cast<int>(item.itemID);
    const RECT& r = item.rcItem;
    GdiCanvas canvas(item.hDC);
    const ImageRef image = images_[item.itemID];
    canvas.Image({r.left + 2, r.top + (r.bottom - r.top - 16) / 2}, image.set, image.index);
    Font font = ControlFont();
    font.color = GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
    const std::string text = TextOf(index);
    const TextExtent extent = canvas.MeasureText(text, font);
    canvas.Text({r.left + 22, r.top + (r.bottom - r.top - extent.height) / 2}, text, font);
    if (item.itemState & ODS_FOCUS)
        DrawFocusRect(item.hDC, &item.rcItem);
}

} // namespace lunea
