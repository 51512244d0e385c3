#include "components/controls/page_button_win.h"
#include "components/controls/control_classes.h"

namespace lunea {

PageButton::PageButton(HWND parent, int id, const Rect& bounds, ImageRef image, PageButtonKind kind)
    : SkinButton(kind == PageButtonKind::Page ? ClickBehaviour::Radio : ClickBehaviour::Push),
      image_(image) {
    Create(control_class::kPageButton, parent, id, bounds, "");
}

void PageButton::Paint(Canvas& canvas, const Rect& client) {
    PaintPageButton(canvas, client, State(), image_);
}

} // namespace lunea
