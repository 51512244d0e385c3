#pragma once
// The system's colour dialog, preset to a colour.

#include "components/canvas/canvas.h"

#include <windows.h>

#include <optional>

namespace lunea {

// The colour the user chose, or nothing when the dialog was cancelled.
std::optional<Color> ChooseColour(HWND owner, Color initial);

} // namespace lunea
