#include "components/art/desktop_skin.h"

#include "components/canvas/gradient.h"

#include "components/art/image_sets.h"
#include "components/art/skin_painting.h"

namespace lunea {
namespace {

using namespace skin;

constexpr Color kPageColumn = Rgb(190, 208, 234);
constexpr Color kEditorColumn = Rgb(238, 243, 251);

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
    shape.RoundRect(frame, rounding, rounding, Pen::None(), {kBlack});
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
    canvas.VerticalGradient({0, kSkinTitleBarHeight + 2, kSkinWidth, kSkinHeight}, kBodyTop,
                            kBodyBottom);
    canvas.VerticalGradient({0, 0, kSkinWidth, kSkinTitleBarHeight}, kTitleTop, kTitleBottom);
    canvas.Line({0, kSkinTitleBarHeight}, {kSkinWidth, kSkinTitleBarHeight}, {kTitleHighlight, 1});
    canvas.Line({0, kSkinTitleBarHeight + 1}, {kSkinWidth, kSkinTitleBarHeight + 1},
                {kTitleShadow, 1});
    Crescent(canvas, {17, 13}, 8.5);
    Stars(canvas);
    TitleBarPlates(canvas);

    canvas.RoundRect({6, 30, 93, 355}, 12, 12, {skin::kColumnEdge, 1}, {kPageColumn});
    // The central panel sits in a sunken frame one pixel outside it.
    canvas.Rectangle({96, 31, 446, 352}, {Rgb(104, 126, 168), 1}, Brush::Hollow());
    canvas.Line({96, 352}, {447, 352}, {Rgb(250, 252, 255), 1});
    canvas.Line({446, 31}, {446, 352}, {Rgb(250, 252, 255), 1});
    canvas.RoundRect({449, 30, 595, 355}, 12, 12, {skin::kColumnEdge, 1}, {kEditorColumn});
    canvas.Line({453, 64}, {591, 64}, {Rgb(176, 194, 222), 1});

    CutCorners(canvas, {0, 0, kSkinWidth, kSkinHeight}, 20);
    return canvas.Pixels();
}

} // namespace lunea
