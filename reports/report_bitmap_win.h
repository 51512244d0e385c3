#pragma once
// "Save As Bitmap": the report picture as last drawn, as a BMP file of its
// own pixel size, under the name the user chooses.

#include "components/canvas/pixel_image.h"
#include "common/day_serial.h"

#include <windows.h>

namespace lunea {

// The dialog opens in the program's folder offering a name made of the
// first cycle's start. An empty picture writes nothing and shows no dialog.
// The file is replaced in one step: a failed write, told in a message box
// with the system's text, leaves whatever stood under that name.
void SaveReportBitmap(HWND owner, CivilDate firstCycleStart, const PixelImage& picture);

} // namespace lunea
