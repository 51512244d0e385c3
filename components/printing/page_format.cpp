#include "components/printing/page_format.h"

#include <algorithm>
#include <cstdint>

namespace lunea {
namespace {

// millimetres * dotsPerInch / 25.4, rounded to the nearest pixel. The
// product of two ints fits 63 bits, five times it may not: the division by
// 127 comes first.
std::int64_t PixelsOf(int millimetres, int dotsPerInch) {
    const std::int64_t product = std::int64_t{std::max(millimetres, 0)} * std::max(dotsPerInch, 0);
    return product / 127 * 5 + (product % 127 * 5 + 63) / 127;
}

// One side's extent less its two margins, centred when they overlap.
void Shrink(int extent, std::int64_t margin, int& from, int& to) {
    const std::int64_t size = std::max(extent, 0);
    const std::int64_t kept = std::max<std::int64_t>(size - 2 * margin, 0);
    from = static_cast<int>((size - kept) / 2);
    to = static_cast<int>(from + kept);
}

} // namespace

Rect InsideMargins(const PageFormat& page, int millimetres) {
    Rect area;
    Shrink(page.width, PixelsOf(millimetres, page.dotsPerInchX), area.left, area.right);
    Shrink(page.height, PixelsOf(millimetres, page.dotsPerInchY), area.top, area.bottom);
    return area;
}

} // namespace lunea
