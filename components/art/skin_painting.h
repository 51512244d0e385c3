#pragma once
// The skin's palette and the strokes its pictures are painted with, shared
// by the main window's skin, the dialogs' skin and the product picture.

#include "components/canvas/bitmap_canvas.h"

namespace lunea::skin {

constexpr Color kRim = Rgb(24, 36, 72);
constexpr Color kTitleTop = Rgb(40, 62, 122);
constexpr Color kTitleBottom = Rgb(84, 124, 186);
constexpr Color kTitleHighlight = Rgb(150, 182, 226);
constexpr Color kTitleShadow = Rgb(30, 46, 96);
constexpr Color kBodyTop = Rgb(224, 233, 245);
constexpr Color kBodyBottom = Rgb(200, 215, 236);
constexpr Color kMoon = Rgb(250, 224, 130);
// The edge of the skin's columns, of the dialogs' cells and of a panel's rule.
constexpr Color kColumnEdge = Rgb(146, 168, 204);

// A crescent: the part of one disc that a second, shifted disc leaves free.
void Crescent(BitmapCanvas& canvas, Point centre, double radius);
// A title band of the given height: gradient, a light and a dark line under
// it, the moon at its left.
void TitleBand(BitmapCanvas& canvas, int width, int height);

} // namespace lunea::skin
