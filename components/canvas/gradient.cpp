#include "components/canvas/gradient.h"

#include <algorithm>
#include <cmath>

namespace lunea {

Color Mix(Color from, Color to, double t) {
    const auto channel = [t](unsigned a, unsigned b) {
        return static_cast<unsigned>(std::lround(a + (static_cast<double>(b) - a) * t));
    };
    return Rgb(channel(RedOf(from), RedOf(to)), channel(GreenOf(from), GreenOf(to)),
               channel(BlueOf(from), BlueOf(to)));
}

Color GradientRowColor(Color top, Color bottom, int row, int rows) {
    return Mix(top, bottom, static_cast<double>(row) / std::max(rows - 1, 1));
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
