#include "components/push_button_win.h"

namespace lunea {

PushButton::PushButton(HWND parent, int id, const Rect& bounds, const std::string& caption,
                       std::optional<ImageRef> image)
    : SkinButton(ClickBehaviour::Push), image_(image) {
    Create("LuneaPushButton", parent, id, bounds, caption);
}

void PushButton::SetImage(std::optional<ImageRef> image) {
    image_ = image;
    Redraw();
}

void PushButton::Paint(Canvas& canvas, const Rect& client) {
    PaintPushButton(canvas, client, State(), {Text(), image_, GetFont()});
}

} // namespace lunea
