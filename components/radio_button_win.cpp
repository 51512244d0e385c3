#include "components/radio_button_win.h"

namespace lunea {

RadioButton::RadioButton(HWND parent, int id, const Rect& bounds, const std::string& caption,
                         int group)
    : SkinButton(ClickBehaviour::Radio) {
    SetGroup(group);
    Create("LuneaRadioButton", parent, id, bounds, caption);
}

void RadioButton::Paint(Canvas& canvas, const Rect& client) {
    PaintRadioButton(canvas, client, State(), Text(), GetFont());
}

} // namespace lunea
