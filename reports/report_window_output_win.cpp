// The report window's printing and saving of the picture last drawn.
#include "components/printing/print_command_win.h"
#include "reports/report_bitmap_win.h"
#include "reports/report_cycles.h"
#include "reports/report_printing_win.h"
#include "reports/report_window_win.h"

#include <sstream>

namespace lunea {

std::vector<std::string> ReportWindow::NotesLines() const {
    std::vector<std::string> lines;
    std::istringstream text(Memo1->Text());
    for (std::string line; std::getline(text, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

void ReportWindow::PrintSetup1Click() {
    const PrintDialogResult result = ShowPrinterSetup(Window(), printer_);
    if (result.choice == PrinterChoice::Failed)
        TellPrintFailure(Window(), result.error);
}

void ReportWindow::Print1Click() {
    const DibSurface* picture = ScrollBox1->Picture();
    if (!picture)
        return;
    // What the box holds now, with whatever the user typed into it.
    const bool withNotes = menu_.AdvancedView() && menu_.Rows().notes;
    const std::vector<std::string> notes = withNotes ? NotesLines() : std::vector<std::string>{};
    PrintReport(Window(), printer_, picture->Pixels(), notes);
}

void ReportWindow::SaveAsBitmap1Click() {
    const DibSurface* picture = ScrollBox1->Picture();
    const std::vector<ReportCycle> shown = CyclesOnPage(Input(FirstCycle));
    if (!picture || shown.empty())
        return;
    SaveReportBitmap(Window(), SerialToDate(shown.front().start), picture->Pixels());
}

} // namespace lunea
