#pragma once
// A printer's device context, owned, and what its page offers.

#include "common/unique_win.h"
#include "components/page_format.h"

#include <windows.h>

#include <optional>

namespace lunea {

// A DC made for a printer (by the print dialog or CreateDC) is deleted, not
// released.
struct PrinterDcTraits {
    using Value = HDC;
    static bool IsEmpty(HDC dc) { return dc == nullptr; }
    static void Close(HDC dc) { DeleteDC(dc); }
};
using PrinterDc = win::UniqueResource<PrinterDcTraits>;

// The printable area (HORZRES x VERTRES) and resolution (LOGPIXELSX/Y);
// nothing when the DC reports no page.
std::optional<PageFormat> PageFormatOf(HDC printer);

} // namespace lunea
