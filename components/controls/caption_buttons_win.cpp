#include "components/controls/caption_buttons_win.h"

namespace lunea {

void CaptionButton::SetImage(std::optional<ImageRef> image) {
    image_ = image;
    Redraw();
}

void CaptionButton::SetImageAbove(bool above) {
    imageAbove_ = above;
    Redraw();
}

void PushButton::Paint(Canvas& canvas, const Rect& client) {
    PaintPushButton(canvas, client, State(), Content());
}

void FlatButton::Paint(Canvas& canvas, const Rect& client) {
    PaintFlatButton(canvas, client, State(), Content());
}

} // namespace lunea
