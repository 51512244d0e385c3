#pragma once
// One image of a set as the 32-bit bitmap a menu item shows beside its
// caption, drawn through its alpha channel.

#include "components/controls/control_painters.h"
#include "components/canvas/gdi_handles_win.h"

namespace lunea {

// Empty when the set has no such image or GDI could not make the bitmap.
BitmapHandle MenuImage(ImageRef image);

} // namespace lunea
