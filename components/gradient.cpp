#include "components/gradient.h"

#include <cstdint>

namespace lunea {
namespace {

unsigned Blend(unsigned from, unsigned to, int row, int rows) {
    const std::int64_t span = rows - 1;
    const std::int64_t value =
        (static_cast<std::int64_t>(from) * (span - row) + static_cast<std::int64_t>(to) * row +
         span / 2) /
        span;
    return static_cast<unsigned>(value);
}

} // namespace

Color GradientRowColor(Color top, Color bottom, int row, int rows) {
    if (rows <= 1 || row <= 0)
        return top;
    if (row >= rows - 1)
        return bottom;
    return Rgb(Blend(RedOf(top), RedOf(bottom), row, rows),
               Blend(GreenOf(top), GreenOf(bottom), row, rows),
               Blend(BlueOf(top), BlueOf(bottom), row, rows));
}

void ForEachGradientBand(const Rect& rect, Color top, Color bottom,
                         const std::function<void(const Rect& band, Color color)>& fill) {
    const int rows = rect.Height();
    if (rows <= 0 || rect.Width() <= 0)
        return;
    int start = 0;
    Color color = GradientRowColor(top, bottom, 0, rows);
    for (int row = 1; row <= rows; ++row) {
        const Color next = GradientRowColor(top, bottom, row, rows);
        if (row < rows && next == color)
            continue;
        fill({rect.left, rect.top + start, rect.right, rect.top + row}, color);
        start = row;
        color = next;
    }
}

} // namespace lunea
