#include "components/page_button_win.h"

namespace lunea {

PageButton::PageButton(HWND parent, int id, const Rect& bounds, ImageRef image, PageButtonKind kind)
    : SkinButton(kind == PageButtonKind::Page ? ClickBehaviour::Radio : ClickBehaviour::Push),
      image_(image) {
    Create("LuneaPageButton", parent, id, bounds, "");
}

void PageButton::Paint(Canvas& canvas, const Rect& client) {
    PaintPageButton(canvas, client, State(), image_);
}

} // namespace lunea
