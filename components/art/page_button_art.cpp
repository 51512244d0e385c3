// The 32 x 32 pictures of the page column, painted with the shapes of the
// bitmap canvas.

#include "components/art/artwork_builders.h"
#include "components/canvas/bitmap_canvas.h"

#include <cmath>
#include <numbers>
#include <vector>

namespace lunea {
namespace {

constexpr Color kInk = Rgb(36, 44, 84);
constexpr Color kPaper = kWhite;

PixelImage CalendarPicture() {
    BitmapCanvas canvas(32, 32, kMaskColor);
    canvas.RoundRect({3, 5, 29, 30}, 6, 6, {kInk, 1}, {kPaper});
    canvas.RoundRect({3, 5, 29, 13}, 6, 6, {kInk, 1}, {Rgb(214, 40, 56)});
    canvas.FillRect({4, 10, 28, 13}, Rgb(214, 40, 56));
    canvas.Line({4, 13}, {28, 13}, {kInk, 1});
    for (int ring : {9, 20}) {
        canvas.RoundRect({ring, 2, ring + 3, 9}, 2, 2, {kInk, 1}, {Rgb(190, 190, 200)});
    }
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 4; ++column) {
            const bool today = row == 1 && column == 2;
            const int x = 6 + column * 5, y = 15 + row * 5;
            canvas.FillRect({x, y, x + 4, y + 4}, today ? Rgb(214, 40, 56) : Rgb(120, 170, 220));
        }
    return canvas.Pixels();
}

PixelImage ChartsPicture() {
    BitmapCanvas canvas(32, 32, kMaskColor);
    canvas.RoundRect({2, 3, 30, 30}, 4, 4, {kInk, 1}, {kPaper});
    const struct {
        int left, top;
        Color color;
    } bars[] = {{7, 19, Rgb(60, 120, 220)},
                {12, 13, Rgb(60, 170, 80)},
                {17, 16, Rgb(240, 150, 30)},
                {22, 9, Rgb(214, 40, 56)}};
    for (const auto& bar : bars)
        canvas.Rectangle({bar.left, bar.top, bar.left + 4, 26}, {kInk, 1}, {bar.color});
    canvas.Line({5, 7}, {5, 26}, {kInk, 1});
    canvas.Line({5, 26}, {28, 26}, {kInk, 1});
    return canvas.Pixels();
}

PixelImage PreferencesPicture() {
    BitmapCanvas canvas(32, 32, kMaskColor);
    constexpr int kTeeth = 8;
    constexpr double kCentre = 16.0;
    std::vector<Point> outline;
    for (int tooth = 0; tooth < kTeeth; ++tooth) {
        const double base = tooth * 2 * std::numbers::pi / kTeeth;
        // Each tooth: rise, top, fall, then the root up to the next tooth.
        for (const auto& [offset, radius] :
             {std::pair{-0.30, 10.5}, {-0.18, 14.5}, {0.18, 14.5}, {0.30, 10.5}}) {
            outline.push_back(
                {static_cast<int>(std::lround(kCentre + radius * std::cos(base + offset))),
                 static_cast<int>(std::lround(kCentre + radius * std::sin(base + offset)))});
        }
    }
    canvas.Polygon(outline, {kInk, 1}, {Rgb(150, 160, 180)});
    canvas.Ellipse({8, 8, 25, 25}, {Rgb(110, 120, 140), 1}, {Rgb(176, 186, 204)});
    canvas.Ellipse({12, 12, 21, 21}, {kInk, 1}, {kMaskColor});
    return canvas.Pixels();
}

PixelImage ReportsPicture() {
    BitmapCanvas canvas(32, 32, kMaskColor);
    const Point sheet[] = {{6, 2}, {20, 2}, {26, 8}, {26, 30}, {6, 30}};
    canvas.Polygon(sheet, {kInk, 1}, {kPaper});
    const Point fold[] = {{20, 2}, {20, 8}, {26, 8}};
    canvas.Polygon(fold, {kInk, 1}, {Rgb(200, 200, 210)});
    for (int y = 11; y <= 17; y += 3)
        canvas.Line({9, y}, {y == 11 ? 18 : 23, y}, {Rgb(130, 140, 160), 1});
    const Point curve[] = {{9, 26}, {13, 22}, {17, 25}, {23, 20}};
    for (int i = 0; i + 1 < 4; ++i)
        canvas.Line(curve[i], curve[i + 1], {Rgb(214, 40, 56), 2});
    return canvas.Pixels();
}

} // namespace

ImageSet BuildPageButtonSet() {
    return StackImages(
        {CalendarPicture(), ChartsPicture(), PreferencesPicture(), ReportsPicture()});
}

} // namespace lunea
