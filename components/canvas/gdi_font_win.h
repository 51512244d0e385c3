#pragma once
// A GDI font for the program's font description.

#include "components/canvas/canvas.h"
#include "components/canvas/gdi_handles_win.h"

namespace lunea {

FontHandle CreateGdiFont(const Font& font);

} // namespace lunea
