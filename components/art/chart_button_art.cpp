// The 32 x 32 pictures of the Charts page's buttons, painted with the
// shapes of the bitmap canvas in the page column's style.

#include "components/art/artwork_builders.h"
#include "components/canvas/bitmap_canvas.h"

namespace lunea {
namespace {

constexpr Color kInk = Rgb(36, 44, 84);
constexpr Color kPaper = kWhite;
constexpr Color kButtonRed = Rgb(214, 40, 56);

PixelImage CyclesPicture() {
    BitmapCanvas canvas(32, 32, kMaskColor);
    canvas.RoundRect({2, 3, 30, 30}, 4, 4, {kInk, 1}, {Rgb(255, 250, 200)});
    for (int left : {7, 13, 19}) {
        const int top = left == 13 ? 10 : 14;
        canvas.VerticalGradient({left, top, left + 5, 26}, kPaper, kButtonRed);
        canvas.Rectangle({left, top, left + 5, 26}, {kInk, 1}, Brush::Hollow());
    }
    canvas.Line({5, 7}, {5, 26}, {kInk, 1});
    canvas.Line({5, 26}, {28, 26}, {kInk, 1});
    return canvas.Pixels();
}

PixelImage TemperaturePicture() {
    BitmapCanvas canvas(32, 32, kMaskColor);
    canvas.VerticalGradient({2, 3, 30, 30}, Rgb(255, 168, 168), Rgb(202, 255, 202));
    canvas.Rectangle({2, 3, 30, 30}, {kInk, 1}, Brush::Hollow());
    const Point curve[] = {{5, 22}, {9, 20}, {13, 23}, {17, 14}, {21, 12}, {25, 13}, {28, 12}};
    canvas.Polyline(curve, {Rgb(230, 190, 0), 2});
    for (const Point& p : curve)
        canvas.Ellipse({p.x - 1, p.y - 1, p.x + 2, p.y + 2}, {kButtonRed, 1}, {kButtonRed});
    return canvas.Pixels();
}

PixelImage PrintPicture() {
    BitmapCanvas canvas(32, 32, kMaskColor);
    canvas.Rectangle({9, 3, 23, 13}, {kInk, 1}, {kPaper});
    canvas.RoundRect({3, 11, 29, 24}, 4, 4, {kInk, 1}, {Rgb(176, 186, 204)});
    canvas.FillRect({24, 14, 26, 16}, Rgb(60, 170, 80));
    canvas.Rectangle({8, 19, 24, 30}, {kInk, 1}, {kPaper});
    for (int y = 22; y <= 27; y += 3)
        canvas.Line({11, y}, {21, y}, {Rgb(130, 140, 160), 1});
    return canvas.Pixels();
}

} // namespace

ImageSet BuildChartButtonSet() {
    return StackImages({CyclesPicture(), TemperaturePicture(), PrintPicture()});
}

} // namespace lunea
