#pragma once
// The skin of the program's borderless dialogs (the password prompt, the
// splash): a title band with the moon over the body's gradient, in a rim.
// The caption is drawn on the band by whoever shows the picture.

#include "components/canvas/canvas.h"
#include "components/canvas/pixel_image.h"

namespace lunea {

constexpr int kDialogTitleBandHeight = 22;
constexpr Point kDialogTitleTextAt{32, 4};

PixelImage PaintDialogSkin(int width, int height);

// The product picture of the welcome dialog and the splash: a crescent over
// a calendar sheet, in a square of the given side.
PixelImage PaintProductPicture(int side);

} // namespace lunea
