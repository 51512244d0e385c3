#include "components/controls/owner_drawn_win.h"

namespace lunea {
namespace {

constexpr char kOwnerProperty[] = "LuneaOwnerDrawn";

} // namespace

OwnerDrawn* OwnerDrawn::FromWindow(HWND control) {
    return control ? static_cast<OwnerDrawn*>(GetPropA(control, kOwnerProperty)) : nullptr;
}

void OwnerDrawn::Attach(HWND control) {
    if (control)
        SetPropA(control, kOwnerProperty, this);
}

void OwnerDrawn::Detach(HWND control) {
    if (control && IsWindow(control))
        RemovePropA(control, kOwnerProperty);
}

} // namespace lunea
