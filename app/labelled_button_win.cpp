#include "app/labelled_button_win.h"

#include "app/main_window_layout.h"

namespace lunea {

LabelledButton MakeLabelledButton(HWND parent, int id, int labelId, ImageRef image,
                                  PageButtonKind kind, int group, HorizontalAlign align) {
    LabelledButton made;
    made.button = std::make_unique<PageButton>(parent, id, BoundsInParent(id), image, kind);
    made.button->SetGroup(group);
    made.label = std::make_unique<SkinLabel>(parent, labelId, BoundsInParent(labelId),
                                             LayoutOf(labelId).text, align);
    return made;
}

} // namespace lunea
