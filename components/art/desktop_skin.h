#pragma once
// The main window's skin: a borderless frame with rounded corners (the
// corners in the mask colour), a title bar, the page column on the left,
// a sunken frame for the central panel and the editor column on the right.

#include "components/canvas/canvas.h"
#include "components/canvas/pixel_image.h"

namespace lunea {

constexpr int kSkinWidth = 600;
constexpr int kSkinHeight = 361;
// Points above this line that no control covers drag the window.
constexpr int kSkinTitleBarHeight = 26;
constexpr Point kSkinTitleTextAt{31, 5};
constexpr Color kSkinTitleTextColor = kWhite;
// Behind every page, in the central panel.
constexpr Color kPagePanelColor = 13280868;

// "LuneaDesktopSkin.bmp": painted by the program itself, so every build
// and every test has the same picture without a file beside the program.
PixelImage PaintDesktopSkin();

// The title text's font on the skin.
Font SkinTitleFont();

} // namespace lunea
