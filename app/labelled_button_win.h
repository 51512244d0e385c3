#pragma once
// A 32 x 32 picture button with its caption under it, where the main
// window's layout puts both: the page column's and the Charts page's.

#include "components/controls/page_button_win.h"
#include "components/controls/skin_label_win.h"

#include <memory>

namespace lunea {

struct LabelledButton {
    std::unique_ptr<PageButton> button;
    std::unique_ptr<SkinLabel> label;
};

LabelledButton MakeLabelledButton(HWND parent, int id, int labelId, ImageRef image,
                                  PageButtonKind kind, int group, HorizontalAlign align);

} // namespace lunea
