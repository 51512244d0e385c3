#include "components/art/dialog_skin.h"

#include "components/art/skin_painting.h"

namespace lunea {

using namespace skin;

PixelImage PaintDialogSkin(int width, int height) {
    BitmapCanvas canvas(width, height, kBodyTop);
    canvas.VerticalGradient({0, kDialogTitleBandHeight + 2, width, height}, kBodyTop, kBodyBottom);
    TitleBand(canvas, width, kDialogTitleBandHeight);
    canvas.Rectangle({0, 0, width, height}, {kRim, 1}, Brush::Hollow());
    return canvas.Pixels();
}

PixelImage PaintProductPicture(int side) {
    BitmapCanvas canvas(side, side, kBodyTop);
    const int round = side / 6;
    // The night sky with the moon.
    canvas.RoundRect({0, 0, side, side}, round, round, {kRim, 1}, {kTitleTop});
    canvas.VerticalGradient({2, 2, side - 2, side / 2}, kTitleTop, kTitleBottom);
    Crescent(canvas, {side * 3 / 10, side / 4}, side / 6.0);

    // A calendar sheet: a red header with rings and a grid of days, one of
    // them marked as a day of flow.
    const Rect sheet{side / 3, side / 3, side - side / 10, side - side / 10};
    canvas.RoundRect(sheet, 6, 6, {kRim, 1}, {kWhite});
    const int header = sheet.Height() / 4;
    canvas.Rectangle({sheet.left, sheet.top, sheet.right, sheet.top + header}, {kRim, 1},
                     {Rgb(214, 48, 64)});
    const int cell = (sheet.Width() - 4) / 5;
    const int rows = (sheet.Height() - header - 4) / cell;
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < 5; ++column) {
            const int left = sheet.left + 2 + column * cell;
            const int top = sheet.top + header + 2 + row * cell;
            const bool flow = row == 1 && column == 2;
            canvas.Rectangle({left, top, left + cell - 1, top + cell - 1}, {skin::kColumnEdge, 1},
                             {flow ? Rgb(255, 199, 198) : Rgb(166, 200, 240)});
        }
    return canvas.Pixels();
}

} // namespace lunea
