// The 16 x 16 pictures of the report window's toolbar and menu: print,
// close, save as bitmap and print setup.

#include "components/art/artwork_builders.h"
#include "components/canvas/bitmap_canvas.h"

namespace lunea {
namespace {

constexpr Color kInk = Rgb(40, 40, 48);
constexpr Color kPaper = kWhite;
constexpr Color kMetal = Rgb(176, 186, 204);

// A sheet going in at the top and a printed one coming out at the bottom.
void PaintPrinter(BitmapCanvas& canvas) {
    canvas.Rectangle({4, 1, 12, 7}, {kInk, 1}, {kPaper});
    canvas.Rectangle({1, 6, 16, 13}, {kInk, 1}, {kMetal});
    canvas.FillRect({12, 8, 14, 10}, Rgb(60, 170, 80));
    canvas.Rectangle({4, 10, 12, 16}, {kInk, 1}, {kPaper});
    canvas.Line({6, 12}, {10, 12}, {Rgb(130, 140, 160), 1});
    canvas.Line({6, 14}, {10, 14}, {Rgb(130, 140, 160), 1});
}

PixelImage PrintPicture() {
    BitmapCanvas canvas(16, 16, kMaskColor);
    PaintPrinter(canvas);
    return canvas.Pixels();
}

PixelImage ClosePicture() {
    BitmapCanvas canvas(16, 16, kMaskColor);
    constexpr Color kToolRed = Rgb(214, 28, 40);
    canvas.Line({3, 3}, {13, 13}, {Rgb(140, 10, 22), 4});
    canvas.Line({12, 3}, {2, 13}, {Rgb(140, 10, 22), 4});
    canvas.Line({3, 3}, {13, 13}, {kToolRed, 2});
    canvas.Line({12, 3}, {2, 13}, {kToolRed, 2});
    return canvas.Pixels();
}

PixelImage SaveAsBitmapPicture() {
    BitmapCanvas canvas(16, 16, kMaskColor);
    const Point disk[] = {{1, 1}, {12, 1}, {14, 3}, {14, 14}, {1, 14}};
    canvas.Polygon(disk, {kInk, 1}, {Rgb(40, 100, 230)});
    canvas.Rectangle({4, 1, 12, 6}, {kInk, 1}, {kMetal});
    canvas.FillRect({9, 2, 11, 5}, kInk);
    canvas.Rectangle({3, 8, 13, 15}, {kInk, 1}, {kPaper});
    canvas.Line({5, 10}, {12, 10}, {Rgb(222, 28, 40), 1});
    canvas.Line({5, 12}, {12, 12}, {Rgb(130, 140, 160), 1});
    return canvas.Pixels();
}

// The printer with a gear over its lower right corner.
PixelImage PrintSetupPicture() {
    BitmapCanvas canvas(16, 16, kMaskColor);
    PaintPrinter(canvas);
    canvas.FillRect({11, 7, 13, 16}, kInk);
    canvas.FillRect({8, 10, 16, 12}, kInk);
    canvas.Ellipse({8, 8, 16, 16}, {kInk, 1}, {Rgb(240, 150, 30)});
    canvas.Ellipse({10, 10, 14, 14}, {kInk, 1}, {kPaper});
    return canvas.Pixels();
}

} // namespace

ImageSet BuildToolBarSet() {
    return StackImages(
        {PrintPicture(), ClosePicture(), SaveAsBitmapPicture(), PrintSetupPicture()});
}

} // namespace lunea
