#include "app/labelled_button_win.h"

#include "app/main_window_layout.h"

namespace lunea {

std::vector<std::unique_ptr<SkinLabel>>
MakeLabelledButtons(HWND parent, std::span<const LabelledButtonSlot> slots,
                    const LabelledButtonStyle& style,
                    const std::function<void(int id, std::function<void()> click)>& onClick) {
    std::vector<std::unique_ptr<SkinLabel>> labels;
    for (const LabelledButtonSlot& slot : slots) {
        slot.button = std::make_unique<PageButton>(parent, slot.id, BoundsInParent(slot.id),
                                                   ImageRef{style.images, slot.image}, slot.kind);
        slot.button->SetGroup(style.group);
        labels.push_back(std::make_unique<SkinLabel>(parent, slot.labelId,
                                                     BoundsInParent(slot.labelId),
                                                     LayoutOf(slot.labelId).text, style.align));
        onClick(slot.id, slot.click);
    }
    return labels;
}

} // namespace lunea
