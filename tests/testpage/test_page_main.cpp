// LuneaTestPage.exe <document name> [--setup] [--dialog] [--two-pages]
// LuneaTestPage.exe --report
// Prints the test page through the program's printing layer: on the default
// printer, or on the one the Print dialog chooses (after Print Setup with
// --setup); twice, on two pages of the job, with --two-pages. Says how it went on standard output,
// with the exit code: 0 "printed ...", 1 "cancelled", 2 "failed: <the error text>".
// --report prints the test picture and notes as the cycle report does, after
// Print Setup, with the paper turned to landscape: the report turns it back.
#include "components/canvas/gdi_canvas_win.h"
#include "components/printing/print_dialog_win.h"
#include "components/printing/print_job_win.h"
#include "reports/report_printing_win.h"
#include "tests/testpage/test_page_layout.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace lunea {
namespace {

int Failed(const std::string& error) {
    std::printf("failed: %s\n", error.c_str());
    return 2;
}

int Report(const PrintDialogResult& result) {
    if (result.choice == PrinterChoice::Failed)
        return Failed(result.error);
    std::printf("cancelled\n");
    return 1;
}

// Through the program's own canvas, whose pictures go through StretchDIBits.
void DrawTestPage(HDC printer, const test_page::Layout& layout) {
    GdiCanvas canvas(printer);
    for (std::size_t i = 0; i < layout.bands.size(); ++i)
        canvas.Rectangle(layout.bands[i], Pen::None(), Brush{test_page::kBandColours[i]});
    canvas.Picture(layout.picture, test_page::Picture());
}

struct Options {
    bool setup = false;
    bool dialog = false;
    int pages = 1;
};

int PrintTestPage(const std::string& documentName, const Options& options) {
    PrinterSettings settings;
    if (options.setup) {
        const PrintDialogResult chosen = ShowPrinterSetup(nullptr, settings);
        if (chosen.choice != PrinterChoice::Chosen)
            return Report(chosen);
    }
    const PrintDialogResult chosen =
        options.setup || options.dialog ? ShowPrintDialog(nullptr, settings) : UseDefaultPrinter();
    if (chosen.choice != PrinterChoice::Chosen)
        return Report(chosen);
    const HDC printer = chosen.printer.Get();
    const std::optional<PageFormat> page = PageFormatOf(printer);
    if (!page)
        return Failed("The printer reports no page size.");

    const test_page::Layout layout = test_page::LayoutOf(*page);
    PrintJob job(printer, documentName);
    for (int i = 0; i < options.pages; ++i) {
        if (job.StartPage())
            DrawTestPage(printer, layout);
        job.EndPage();
    }
    if (!job.Finish())
        return Failed(job.Error());
    std::printf("printed on %d x %d pixels at %d x %d dpi\n", page->width, page->height,
                page->dotsPerInchX, page->dotsPerInchY);
    return 0;
}

int PrintTestReport() {
    PrinterSettings settings;
    const PrintDialogResult setup = ShowPrinterSetup(nullptr, settings);
    if (setup.choice != PrinterChoice::Chosen)
        return Report(setup);
    if (!SetOrientation(settings, DMORIENT_LANDSCAPE))
        return Failed("Print Setup left no printer settings.");
    PrintReport(nullptr, settings, test_page::Picture(), test_page::ReportNotes());
    std::printf("printed the report\n");
    return 0;
}

} // namespace
} // namespace lunea

int main(int argc, char** argv) {
    if (argc < 2) {
        std::printf("failed: no document name\n");
        return 2;
    }
    if (std::strcmp(argv[1], "--report") == 0)
        return lunea::PrintTestReport();
    lunea::Options options;
    for (int i = 2; i < argc; ++i) {
        options.setup = options.setup || std::strcmp(argv[i], "--setup") == 0;
        options.dialog = options.dialog || std::strcmp(argv[i], "--dialog") == 0;
        if (std::strcmp(argv[i], "--two-pages") == 0)
            options.pages = 2;
    }
    return lunea::PrintTestPage(argv[1], options);
}
