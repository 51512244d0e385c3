#include "reports/report_printing_win.h"

#include "components/canvas/gdi_canvas_win.h"
#include "components/printing/print_command_win.h"
#include "reports/report_page_geometry.h"

#include <vector>

namespace lunea {
namespace {

constexpr char kReportTitle[] = "LuneaDesktop Report"; // the job's name too
constexpr char kNotesDocument[] = "Lunea Desktop Notes";
constexpr char kNotesIndent[] = "        ";

// Points at the printer's vertical resolution, rounded to the nearest pixel.
int PointsToPixels(int points, const PageFormat& page) {
    return MulDiv(points, page.dotsPerInchY, 72);
}

// The title's font by its character cell, internal leading included.
Font TitleFont(const PageFormat& page) {
    return {.name = "Arial", .height = PointsToPixels(12, page)};
}

Font NotesFont(const PageFormat& page) {
    return {.name = "Arial", .height = -PointsToPixels(10, page)};
}

std::vector<std::string> NotesPrintout(std::span<const std::string> notes) {
    std::vector<std::string> lines = {"", "", kNotesIndent + std::string(kNotesDocument), ""};
    for (const std::string& note : notes)
        lines.push_back(kNotesIndent + note);
    return lines;
}

// False when the job failed; told then.
bool PrintPicturePage(HWND owner, HDC printer, const PageFormat& page, const PixelImage& picture) {
    const Font font = TitleFont(page);
    std::optional<ReportPageLayout> layout;
    {
        GdiCanvas measuring(printer);
        layout = LayOutReportPage({.pageWidth = page.width,
                                   .pageHeight = page.height,
                                   .titleHeight = measuring.MeasureText("X", font).height,
                                   .titleWidth = measuring.MeasureText(kReportTitle, font).width,
                                   .pictureWidth = picture.width,
                                   .pictureHeight = picture.height});
    }
    if (!layout) {
        TellPrintFailure(owner, kNoPageToPrintOn);
        return false;
    }
    return PrintOnePage(owner, printer, kReportTitle, [&] {
        GdiCanvas canvas(printer);
        canvas.Text(layout->title, kReportTitle, font);
        canvas.Picture(layout->picture, picture);
    });
}

// Line under line from the top of the page, as many pages as they take.
void PrintNotes(HWND owner, HDC printer, const PageFormat& page,
                std::span<const std::string> notes) {
    const Font font = NotesFont(page);
    const std::vector<std::string> lines = NotesPrintout(notes);
    const int lineHeight = GdiCanvas(printer).MeasureText("X", font).height;
    const auto perPage = static_cast<std::size_t>(LinesPerPage(page.height, lineHeight));
    PrintJob job(printer, kNotesDocument);
    for (std::size_t first = 0; first < lines.size() && job.StartPage();) {
        GdiCanvas canvas(printer);
        for (std::size_t i = 0; i < perPage && first + i < lines.size(); ++i)
            canvas.Text({0, static_cast<int>(i) * lineHeight}, lines[first + i], font);
        first += perPage;
        job.EndPage();
    }
    FinishTellingFailure(owner, job);
}

} // namespace

void PrintReport(HWND owner, PrinterSettings& settings, const PixelImage& picture,
                 std::span<const std::string> notes) {
    if (picture.width <= 0 || picture.height <= 0)
        return;
    const PrinterDc printer = ChoosePrinter(owner, settings);
    if (!printer || !TurnToPortrait(owner, printer.Get(), settings))
        return;
    const std::optional<PageFormat> page = PageFormatOf(printer.Get());
    if (!page) {
        TellPrintFailure(owner, kNoPageToPrintOn);
        return;
    }
    if (PrintPicturePage(owner, printer.Get(), *page, picture) && !notes.empty())
        PrintNotes(owner, printer.Get(), *page, notes);
}

} // namespace lunea
