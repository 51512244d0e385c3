#include "components/canvas/canvas.h"

namespace lunea {

void Canvas::TextInRect(const Rect& rect, std::string_view text, const Font& font,
                        HorizontalAlign horizontal, VerticalAlign vertical) {
    const TextExtent extent = MeasureText(text, font);
    Point at{rect.left, rect.top};
    if (horizontal == HorizontalAlign::Centre)
        at.x += (rect.Width() - extent.width) / 2;
    else if (horizontal == HorizontalAlign::Right)
        at.x = rect.right - extent.width;
    if (vertical == VerticalAlign::Middle)
        at.y += (rect.Height() - extent.height) / 2;
    else if (vertical == VerticalAlign::Bottom)
        at.y = rect.bottom - extent.height;
    Text(at, text, font);
}

} // namespace lunea
