#include "app/radio_popup_menu_win.h"

#include "components/image_sets.h"

#include <cstdint>

namespace lunea {
namespace {

// Menu command ids are the item's index plus one: 0 means "dismissed".
UINT CommandOf(int index) {
    return static_cast<UINT>(index + 1);
}

// One image of a set on the menu's background colour.
BitmapHandle MenuImage(ImageRef ref) {
    const ImageSet& set = GetImageSet(ref.set);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = set.width;
    info.bmiHeader.biHeight = -set.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    BitmapHandle bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits)
        return {};
    const COLORREF menu = GetSysColor(COLOR_MENU);
    auto* pixels = static_cast<std::uint32_t*>(bits);
    for (int y = 0; y < set.height; ++y)
        for (int x = 0; x < set.width; ++x) {
            Color color = set.strip.At(x, ref.index * set.height + y);
            if (color == kMaskColor)
                color = static_cast<Color>(menu);
            // A DIB keeps blue in the low byte.
            pixels[y * set.width + x] = BlueOf(color) | GreenOf(color) << 8 | RedOf(color) << 16;
        }
    return bitmap;
}

} // namespace

RadioPopupMenu::RadioPopupMenu() : menu_(CreatePopupMenu()) {}

RadioPopupMenu::~RadioPopupMenu() {
    if (menu_)
        DestroyMenu(menu_);
}

void RadioPopupMenu::Add(const std::string& caption, std::optional<ImageRef> image) {
    const int index = Count();
    captions_.push_back(caption);
    if (!menu_)
        return;
    MENUITEMINFOA item{};
    item.cbSize = sizeof(item);
    item.fMask = MIIM_ID | MIIM_STRING | MIIM_FTYPE;
    item.fType = MFT_RADIOCHECK;
    item.wID = CommandOf(index);
    item.dwTypeData = captions_.back().data();
    if (image) {
        images_.push_back(MenuImage(*image));
        if (images_.back()) {
            item.fMask |= MIIM_BITMAP;
            item.hbmpItem = images_.back().Get();
        }
    }
    InsertMenuItemA(menu_, static_cast<UINT>(index), TRUE, &item);
}

void RadioPopupMenu::SetCaption(int index, const std::string& caption) {
    if (index < 0 || index >= Count())
        return;
    captions_[static_cast<std::size_t>(index)] = caption;
    MENUITEMINFOA item{};
    item.cbSize = sizeof(item);
    item.fMask = MIIM_STRING;
    item.dwTypeData = captions_[static_cast<std::size_t>(index)].data();
    SetMenuItemInfoA(menu_, static_cast<UINT>(index), TRUE, &item);
}

std::string RadioPopupMenu::Caption(int index) const {
    return index >= 0 && index < Count() ? captions_[static_cast<std::size_t>(index)]
                                         : std::string();
}

void RadioPopupMenu::Check(int index) {
    if (menu_ && index >= 0 && index < Count())
        CheckMenuRadioItem(menu_, 0, static_cast<UINT>(Count() - 1), static_cast<UINT>(index),
                           MF_BYPOSITION);
}

int RadioPopupMenu::Track(HWND owner, int screenX, int screenY) const {
    if (!menu_)
        return -1;
    const BOOL command = TrackPopupMenu(
        menu_, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTBUTTON,
        screenX, screenY, 0, owner, nullptr);
    return command > 0 ? command - 1 : -1;
}

} // namespace lunea
