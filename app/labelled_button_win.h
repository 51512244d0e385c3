#pragma once
// A 32 x 32 picture button with its caption under it, where the main
// window's layout puts both: the page column's and the Charts page's.

#include "components/controls/page_button_win.h"
#include "components/controls/skin_label_win.h"

#include <functional>
#include <memory>
#include <span>
#include <vector>

namespace lunea {

// One button of a column: its ids, its picture and what a click does.
struct LabelledButtonSlot {
    std::unique_ptr<PageButton>& button;
    int id;
    int labelId;
    int image;
    PageButtonKind kind;
    std::function<void()> click;
};

struct LabelledButtonStyle {
    ImageSetId images;
    int group;
    HorizontalAlign align;
};

// Makes each slot's button into its member and hands each click to
// `onClick`, which registers it where the parent routes its commands; the
// labels are the caller's to keep.
std::vector<std::unique_ptr<SkinLabel>>
MakeLabelledButtons(HWND parent, std::span<const LabelledButtonSlot> slots,
                    const LabelledButtonStyle& style,
                    const std::function<void(int id, std::function<void()> click)>& onClick);

} // namespace lunea
