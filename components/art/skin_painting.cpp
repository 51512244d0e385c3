#include "components/art/skin_painting.h"

#include <algorithm>
#include <cmath>

namespace lunea::skin {

void Crescent(BitmapCanvas& canvas, Point centre, double radius) {
    const int reach = static_cast<int>(radius) + 1;
    for (int y = centre.y - reach; y <= centre.y + reach; ++y)
        for (int x = centre.x - reach; x <= centre.x + reach; ++x) {
            const double dx = x + 0.5 - centre.x, dy = y + 0.5 - centre.y;
            const double sx = dx - radius * 0.55, sy = dy + radius * 0.25;
            if (dx * dx + dy * dy <= radius * radius && sx * sx + sy * sy > radius * radius * 0.7)
                canvas.FillRect({x, y, x + 1, y + 1}, kMoon);
        }
}

void TitleBand(BitmapCanvas& canvas, int width, int height) {
    canvas.VerticalGradient({0, 0, width, height}, kTitleTop, kTitleBottom);
    canvas.Line({0, height}, {width, height}, {kTitleHighlight, 1});
    canvas.Line({0, height + 1}, {width, height + 1}, {kTitleShadow, 1});
    Crescent(canvas, {17, height / 2}, height / 3.0);
}

} // namespace lunea::skin
