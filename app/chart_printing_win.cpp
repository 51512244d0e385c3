#include "app/chart_printing_win.h"

#include "components/printing/fit_inside.h"
#include "components/canvas/gdi_canvas_win.h"
#include "components/printing/print_command_win.h"
#include "components/canvas/scaled_canvas.h"

namespace lunea {
namespace {

constexpr int kMarginMillimetres = 15;
constexpr char kDocumentName[] = "Lunea Chart";

} // namespace

void PrintChart(HWND owner, PrinterSettings& printer, const Chart& chart,
                const TextExtent& screenSize) {
    const PrinterDc chosen = ChoosePrinter(owner, printer);
    if (!chosen)
        return;
    const HDC dc = chosen.Get();
    const std::optional<PageFormat> page = PageFormatOf(dc);
    const Rect placed = page ? FitInside(screenSize.width, screenSize.height,
                                         InsideMargins(*page, kMarginMillimetres))
                             : Rect{};
    if (placed.Width() <= 0 || screenSize.width <= 0) {
        TellPrintFailure(owner, kNoPageToPrintOn);
        return;
    }
    PrintOnePage(owner, dc, kDocumentName, [&] {
        GdiCanvas device(dc);
        ScaledCanvas canvas(device, {placed.left, placed.top},
                            static_cast<double>(placed.Width()) / screenSize.width);
        chart.Draw(canvas, {0, 0, screenSize.width, screenSize.height});
    });
}

} // namespace lunea
