#include "app/chart_printing_win.h"

#include "common/desktop_contract.h"
#include "components/fit_inside.h"
#include "components/gdi_canvas_win.h"
#include "components/print_job_win.h"
#include "components/scaled_canvas.h"

namespace lunea {
namespace {

constexpr int kMarginMillimetres = 15;
constexpr char kDocumentName[] = "Lunea Chart";

void TellFailure(HWND owner, const std::string& text) {
    MessageBoxA(owner, text.c_str(), kApplicationTitle, MB_OK | MB_ICONERROR);
}

} // namespace

void PrintChart(HWND owner, PrinterSettings& printer, const Chart& chart,
                const TextExtent& screenSize) {
    PrintDialogResult chosen = ShowPrintDialog(owner, printer);
    if (chosen.choice == PrinterChoice::Cancelled)
        return;
    if (chosen.choice == PrinterChoice::Failed) {
        TellFailure(owner, chosen.error);
        return;
    }
    const HDC dc = chosen.printer.Get();
    const std::optional<PageFormat> page = PageFormatOf(dc);
    const Rect placed = page ? FitInside(screenSize.width, screenSize.height,
                                         InsideMargins(*page, kMarginMillimetres))
                             : Rect{};
    if (placed.Width() <= 0 || screenSize.width <= 0) {
        TellFailure(owner, "The printer offers no page to print on.");
        return;
    }
    PrintJob job(dc, kDocumentName);
    if (job.StartPage()) {
        GdiCanvas device(dc);
        ScaledCanvas canvas(device, {placed.left, placed.top},
                            static_cast<double>(placed.Width()) / screenSize.width);
        chart.Draw(canvas, {0, 0, screenSize.width, screenSize.height});
    }
    if (job.EndPage())
        job.Finish();
    if (job.Failed())
        TellFailure(owner, job.Error());
}

} // namespace lunea
