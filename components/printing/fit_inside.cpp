#include "components/printing/fit_inside.h"

#include <cstdint>

namespace lunea {

Rect FitInside(int width, int height, const Rect& page) {
    // In 64 bits: a page may span the whole int range, and the products of a
    // page side with a picture side need up to 63 bits.
    const std::int64_t pageWidth = std::int64_t{page.right} - page.left;
    const std::int64_t pageHeight = std::int64_t{page.bottom} - page.top;
    std::int64_t fitWidth = 0;
    std::int64_t fitHeight = 0;
    if (width > 0 && height > 0 && pageWidth > 0 && pageHeight > 0) {
        if (pageWidth * height <= pageHeight * width) { // the page's width is the limit
            fitWidth = pageWidth;
            fitHeight = (pageWidth * height + width / 2) / width;
        } else {
            fitHeight = pageHeight;
            fitWidth = (pageHeight * width + height / 2) / height;
        }
    }
    const auto left = static_cast<int>(page.left + (pageWidth - fitWidth) / 2);
    const auto top = static_cast<int>(page.top + (pageHeight - fitHeight) / 2);
    return {left, top, static_cast<int>(left + fitWidth), static_cast<int>(top + fitHeight)};
}

} // namespace lunea
