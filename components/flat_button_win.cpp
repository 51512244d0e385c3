#include "components/flat_button_win.h"

namespace lunea {

FlatButton::FlatButton(HWND parent, int id, const Rect& bounds, const std::string& caption,
                       std::optional<ImageRef> image)
    : SkinButton(ClickBehaviour::Push), image_(image) {
    Create("LuneaFlatButton", parent, id, bounds, caption);
}

void FlatButton::SetImage(std::optional<ImageRef> image) {
    image_ = image;
    Redraw();
}

void FlatButton::Paint(Canvas& canvas, const Rect& client) {
    PaintFlatButton(canvas, client, State(), {Text(), image_, GetFont()});
}

} // namespace lunea
