#include "components/controls/control_layout.h"

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

} // namespace lunea
