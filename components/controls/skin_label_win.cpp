#include "components/controls/skin_label_win.h"
#include "components/controls/control_classes.h"

namespace lunea {

SkinLabel::SkinLabel(HWND parent, int id, const Rect& bounds, const std::string& text,
                     HorizontalAlign align)
    : align_(align) {
    Create(control_class::kLabel, parent, id, bounds, text);
}

void SkinLabel::SetText(const std::string& text) {
    SetWindowTextA(Window(), text.c_str());
}

LRESULT SkinLabel::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCHITTEST)
        return HTTRANSPARENT;
    return SkinControl::HandleMessage(message, wparam, lparam);
}

void SkinLabel::Paint(Canvas& canvas, const Rect& client) {
    PaintLabel(canvas, client, Text(), GetFont(), align_);
}

} // namespace lunea
