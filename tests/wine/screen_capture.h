#pragma once
// Pictures of what the screen shows, for pixel probes and for a person to
// look at.
#include "components/canvas/pixel_image.h"

#include <windows.h>

#include <string>

namespace lunea::test {

PixelImage CaptureScreenRect(const RECT& rect);
// Saves what a window shows as a bitmap file beside the program.
bool SaveWindowLook(HWND window, const std::string& fileName);

} // namespace lunea::test
