#include "components/controls/popup_menu_win.h"

#include "components/controls/menu_image_win.h"

namespace lunea {
namespace {

// Menu command ids are the item's index plus one: 0 means "dismissed".
UINT CommandOf(int index) {
    return static_cast<UINT>(index + 1);
}

} // namespace

PopupMenu::PopupMenu() : menu_(CreatePopupMenu()) {}

PopupMenu::~PopupMenu() {
    if (menu_)
        DestroyMenu(menu_);
}

void PopupMenu::Add(const std::string& caption, std::optional<ImageRef> image) {
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

void PopupMenu::AddSeparator() {
    const int index = Count();
    captions_.emplace_back();
    if (menu_)
        InsertMenuA(menu_, static_cast<UINT>(index), MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
}

void PopupMenu::SetCaption(int index, const std::string& caption) {
    if (index < 0 || index >= Count())
        return;
    captions_[static_cast<std::size_t>(index)] = caption;
    MENUITEMINFOA item{};
    item.cbSize = sizeof(item);
    item.fMask = MIIM_STRING;
    item.dwTypeData = captions_[static_cast<std::size_t>(index)].data();
    SetMenuItemInfoA(menu_, static_cast<UINT>(index), TRUE, &item);
}

std::string PopupMenu::Caption(int index) const {
    return index >= 0 && index < Count() ? captions_[static_cast<std::size_t>(index)]
                                         : std::string();
}

void PopupMenu::Check(int index) {
    if (menu_ && index >= 0 && index < Count())
        CheckMenuRadioItem(menu_, 0, static_cast<UINT>(Count() - 1), static_cast<UINT>(index),
                           MF_BYPOSITION);
}

int PopupMenu::Track(HWND owner, int screenX, int screenY) const {
    if (!menu_)
        return -1;
    const BOOL command = TrackPopupMenu(
        menu_, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTBUTTON,
        screenX, screenY, 0, owner, nullptr);
    return command > 0 ? command - 1 : -1;
}

} // namespace lunea
