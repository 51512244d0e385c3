#include "components/desktop_skin.h"

#include "components/bitmap_canvas.h"
#include "components/image_sets.h"

#include <algorithm>
#include <cmath>

namespace lunea {
namespace {

constexpr Color kRim = Rgb(24, 36, 72);
constexpr Color kTitleTop = Rgb(40, 62, 122);
constexpr Color kTitleBottom = Rgb(84, 124, 186);
constexpr Color kBodyTop = Rgb(224, 233, 245);
constexpr Color kBodyBottom = Rgb(200, 215, 236);
constexpr Color kColumnEdge = Rgb(146, 168, 204);
constexpr Color kPageColumn = Rgb(190, 208, 234);
constexpr Color kEditorColumn = Rgb(238, 243, 251);
constexpr Color kMoon = Rgb(250, 224, 130);

Color Mix(Color from, Color to, double t) {
    const auto channel = [t](unsigned a, unsigned b) {
        return static_cast<unsigned>(std::lround(a + (static_cast<double>(b) - a) * t));
    };
    return Rgb(channel(RedOf(from), RedOf(to)), channel(GreenOf(from), GreenOf(to)),
               channel(BlueOf(from), BlueOf(to)));
}

void VerticalGradient(BitmapCanvas& canvas, const Rect& area, Color top, Color bottom) {
    for (int y = area.top; y < area.bottom; ++y)
        canvas.FillRect(
            {area.left, y, area.right, y + 1},
            Mix(top, bottom, static_cast<double>(y - area.top) / std::max(area.Height() - 1, 1)));
}

// A crescent: the part of one disc that a second, shifted disc leaves free.
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

void Stars(BitmapCanvas& canvas) {
    const Point stars[] = {{150, 8}, {176, 17}, {190, 6}, {392, 9}, {418, 18},
                           {452, 7}, {486, 15}, {512, 6}, {528, 19}};
    for (const Point& star : stars) {
        const Color glow = Mix(kTitleBottom, kMoon, 0.45);
        canvas.FillRect({star.x - 1, star.y, star.x + 2, star.y + 1}, glow);
        canvas.FillRect({star.x, star.y - 1, star.x + 1, star.y + 2}, glow);
        canvas.FillRect({star.x, star.y, star.x + 1, star.y + 1}, kMoon);
    }
}

// Light plates under the title bar's controls, which stand on them: the
// users button (208, 2, 153 x 20) and the three 14 x 14 buttons at x 546,
// 562 and 578, y 5.
void TitleBarPlates(BitmapCanvas& canvas) {
    const Pen edge{Rgb(22, 34, 76), 1};
    canvas.RoundRect({208, 2, 361, 22}, 10, 10, edge, {Rgb(232, 240, 252)});
    for (int left : {546, 562, 578})
        canvas.RoundRect({left, 5, left + 14, 19}, 4, 4, edge, {Rgb(226, 236, 250)});
}

void CutCorners(BitmapCanvas& canvas, const Rect& frame, int rounding) {
    BitmapCanvas shape(kSkinWidth, kSkinHeight, kMaskColor);
    shape.RoundRect(frame, rounding, rounding, Pen::None(), {Rgb(0, 0, 0)});
    for (int y = 0; y < kSkinHeight; ++y)
        for (int x = 0; x < kSkinWidth; ++x)
            if (shape.PixelAt(x, y) == kMaskColor)
                canvas.FillRect({x, y, x + 1, y + 1}, kMaskColor);
    canvas.RoundRect(frame, rounding, rounding, {kRim, 1}, Brush::Hollow());
}

} // namespace

Font SkinTitleFont() {
    Font font;
    font.height = -14;
    font.style = kBold;
    font.color = kSkinTitleTextColor;
    return font;
}

PixelImage PaintDesktopSkin() {
    BitmapCanvas canvas(kSkinWidth, kSkinHeight, kBodyTop);
    VerticalGradient(canvas, {0, 0, kSkinWidth, kSkinTitleBarHeight}, kTitleTop, kTitleBottom);
    canvas.Line({0, kSkinTitleBarHeight}, {kSkinWidth, kSkinTitleBarHeight},
                {Rgb(150, 182, 226), 1});
    canvas.Line({0, kSkinTitleBarHeight + 1}, {kSkinWidth, kSkinTitleBarHeight + 1},
                {Rgb(30, 46, 96), 1});
    VerticalGradient(canvas, {0, kSkinTitleBarHeight + 2, kSkinWidth, kSkinHeight}, kBodyTop,
                     kBodyBottom);
    Crescent(canvas, {17, 13}, 8.5);
    Stars(canvas);
    TitleBarPlates(canvas);

    canvas.RoundRect({6, 30, 93, 355}, 12, 12, {kColumnEdge, 1}, {kPageColumn});
    // The central panel sits in a sunken frame one pixel outside it.
    canvas.Rectangle({96, 31, 446, 352}, {Rgb(104, 126, 168), 1}, Brush::Hollow());
    canvas.Line({96, 352}, {447, 352}, {Rgb(250, 252, 255), 1});
    canvas.Line({446, 31}, {446, 352}, {Rgb(250, 252, 255), 1});
    canvas.RoundRect({449, 30, 595, 355}, 12, 12, {kColumnEdge, 1}, {kEditorColumn});
    canvas.Line({453, 64}, {591, 64}, {Rgb(176, 194, 222), 1});

    CutCorners(canvas, {0, 0, kSkinWidth, kSkinHeight}, 20);
    return canvas.Pixels();
}

} // namespace lunea
