#include "components/controls/radio_button_win.h"
#include "components/controls/control_classes.h"

namespace lunea {

RadioButton::RadioButton(HWND parent, int id, const Rect& bounds, const std::string& caption,
                         int group)
    : SkinButton(ClickBehaviour::Radio) {
    SetGroup(group);
    Create(control_class::kRadioButton, parent, id, bounds, caption);
}

void RadioButton::Paint(Canvas& canvas, const Rect& client) {
    PaintRadioButton(canvas, client, State(), Text(), GetFont());
}

} // namespace lunea
