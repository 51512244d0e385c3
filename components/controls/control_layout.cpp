#include "components/controls/control_layout.h"

#include <algorithm>
#include <stdexcept>

namespace lunea {

const ControlSpec& SpecIn(std::span<const ControlSpec> layout, int id) {
    for (const ControlSpec& entry : layout)
        if (entry.id == id)
            return entry;
    throw std::out_of_range("no control " + std::to_string(id) + " in the layout");
}

Rect RelativeTo(const Rect& bounds, const Rect& origin) {
    return {bounds.left - origin.left, bounds.top - origin.top, bounds.right - origin.left,
            bounds.bottom - origin.top};
}

std::vector<int> ReadingOrder(std::span<const ControlSpec> controls) {
    std::vector<const ControlSpec*> byTop;
    for (const ControlSpec& entry : controls)
        byTop.push_back(&entry);
    std::stable_sort(byTop.begin(), byTop.end(), [](const ControlSpec* a, const ControlSpec* b) {
        return a->bounds.top < b->bounds.top;
    });
    std::vector<int> order;
    for (auto rowStart = byTop.begin(); rowStart != byTop.end();) {
        const Rect& first = (*rowStart)->bounds;
        const int middle = (first.top + first.bottom) / 2;
        // The first control is in its row whatever its height.
        const auto rowEnd = std::find_if(rowStart + 1, byTop.end(), [middle](const ControlSpec* c) {
            return c->bounds.top >= middle;
        });
        std::stable_sort(rowStart, rowEnd, [](const ControlSpec* a, const ControlSpec* b) {
            return a->bounds.left < b->bounds.left;
        });
        for (auto control = rowStart; control != rowEnd; ++control)
            order.push_back((*control)->id);
        rowStart = rowEnd;
    }
    return order;
}

} // namespace lunea
