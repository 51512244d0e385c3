#pragma once
// A printer's device context, owned, and what its page offers.

#include "common/unique_win.h"
#include "components/printing/page_format.h"

#include <windows.h>

#include <optional>

namespace lunea {

// A DC made for a printer (by the print dialog or CreateDC) is deleted, not
// released.
using PrinterDc = win::UniqueResource<win::FreedBy<HDC, DeleteDC>>;

// The printable area (HORZRES x VERTRES) and resolution (LOGPIXELSX/Y);
// nothing when the DC reports no page.
std::optional<PageFormat> PageFormatOf(HDC printer);

} // namespace lunea
