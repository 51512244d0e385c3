#pragma once
// Printing the cycle report: the picture as last drawn, on one upright page
// under the title "LuneaDesktop Report", then the notes, when given, as a
// job of plain lines of their own.

#include "components/canvas/pixel_image.h"
#include "components/printing/print_dialog_win.h"

#include <windows.h>

#include <span>
#include <string>

namespace lunea {

// Nothing at all, not even the dialog, for an empty picture. A cancelled
// dialog prints nothing; a failure is told in a message box with the
// system's text, and the notes are then not printed either.
void PrintReport(HWND owner, PrinterSettings& settings, const PixelImage& picture,
                 std::span<const std::string> notes);

} // namespace lunea
