#pragma once
// The image sets as DIBs for GDI to copy from: each set is converted the
// first time it is drawn and kept for the rest of the run, whichever canvas
// draws it.

#include "components/canvas/canvas.h"
#include "components/canvas/dib_surface_win.h"

namespace lunea {

// Null for an id without a set, or when GDI could not make the DIB (tried
// again at the next call).
const DibSurface* ImageSetSurface(ImageSetId id);

} // namespace lunea
