// The 16 x 16 marks of the reports: a note and the calendar method's
// warning triangle.

#include "components/art/artwork_builders.h"
#include "components/canvas/bitmap_canvas.h"

namespace lunea {
namespace {

constexpr Color kInk = Rgb(40, 40, 48);

PixelImage NotePicture() {
    BitmapCanvas canvas(16, 16, kMaskColor);
    const Point page[] = {{3, 1}, {10, 1}, {13, 4}, {13, 15}, {3, 15}};
    canvas.Polygon(page, {kInk, 1}, {Rgb(255, 250, 200)});
    canvas.Line({10, 1}, {10, 4}, {kInk, 1});
    canvas.Line({10, 4}, {13, 4}, {kInk, 1});
    for (int y = 6; y <= 12; y += 2)
        canvas.Line({5, y}, {12, y}, {Rgb(70, 140, 200), 1});
    return canvas.Pixels();
}

PixelImage WarningPicture() {
    BitmapCanvas canvas(16, 16, kMaskColor);
    const Point triangle[] = {{7, 0}, {8, 0}, {15, 15}, {0, 15}};
    canvas.Polygon(triangle, Pen::None(), {kInk});
    const Point inside[] = {{7, 2}, {8, 2}, {14, 14}, {1, 14}};
    canvas.Polygon(inside, Pen::None(), {Rgb(255, 214, 0)});
    canvas.FillRect({7, 5, 9, 10}, kInk);
    canvas.FillRect({7, 11, 9, 13}, kInk);
    return canvas.Pixels();
}

} // namespace

ImageSet BuildReportMarkSet() {
    return StackImages({NotePicture(), WarningPicture()});
}

} // namespace lunea
