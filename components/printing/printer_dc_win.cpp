#include "components/printing/printer_dc_win.h"

namespace lunea {

std::optional<PageFormat> PageFormatOf(HDC printer) {
    const PageFormat page{GetDeviceCaps(printer, HORZRES), GetDeviceCaps(printer, VERTRES),
                          GetDeviceCaps(printer, LOGPIXELSX), GetDeviceCaps(printer, LOGPIXELSY)};
    if (page.width <= 0 || page.height <= 0 || page.dotsPerInchX <= 0 || page.dotsPerInchY <= 0)
        return std::nullopt;
    return page;
}

} // namespace lunea
