#include "components/controls/check_box_win.h"
#include "components/controls/control_classes.h"

namespace lunea {

CheckBox::CheckBox(HWND parent, int id, const Rect& bounds, const std::string& caption)
    : SkinButton(ClickBehaviour::Toggle) {
    Create(control_class::kCheckBox, parent, id, bounds, caption);
}

void CheckBox::Paint(Canvas& canvas, const Rect& client) {
    PaintCheckBox(canvas, client, State(), Text(), GetFont());
}

} // namespace lunea
