// The report window's printing and saving of the picture last drawn.
#include "components/printing/print_command_win.h"
#include "reports/report_bitmap_win.h"
#include "reports/report_cycles.h"
#include "reports/report_printing_win.h"
#include "reports/report_window_win.h"

#include <functional>
#include <sstream>

namespace lunea {
namespace {

// Tells the main window while a dialog of the report window runs.
class DialogRunning {
  public:
    explicit DialogRunning(const std::function<void(bool)>& tell) : tell_(tell) { Tell(true); }
    ~DialogRunning() { Tell(false); }
    DialogRunning(const DialogRunning&) = delete;
    DialogRunning& operator=(const DialogRunning&) = delete;

  private:
    void Tell(bool running) const {
        if (tell_)
            tell_(running);
    }
    const std::function<void(bool)>& tell_;
};

} // namespace

std::vector<std::string> ReportWindow::NotesLines() const {
    std::vector<std::string> lines;
    std::istringstream text(notesEdit_->Text());
    for (std::string line; std::getline(text, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

void ReportWindow::SetUpPrinter() {
    const DialogRunning running(context_.dialogRunning);
    const PrintDialogResult result = ShowPrinterSetup(Window(), context_.printer);
    if (result.choice == PrinterChoice::Failed)
        TellPrintFailure(Window(), result.error);
}

void ReportWindow::PrintPicture() {
    const DibSurface* picture = pictureScroller_->Picture();
    if (!picture)
        return;
    // What the box holds now, with whatever the user typed into it.
    const bool withNotes = menu_.AdvancedView() && menu_.Rows().notes;
    const std::vector<std::string> notes = withNotes ? NotesLines() : std::vector<std::string>{};
    const DialogRunning running(context_.dialogRunning);
    // A copy of the picture: a reload under the dialog redraws the window,
    // which frees the picture it shows.
    PrintReport(Window(), context_.printer, picture->Pixels(), notes);
}

void ReportWindow::SaveAsBitmap() {
    const DibSurface* picture = pictureScroller_->Picture();
    const std::vector<ReportCycle> shown = CyclesOnPage(Input(firstCycle_));
    if (!picture || shown.empty())
        return;
    const DialogRunning running(context_.dialogRunning);
    // A copy too, for the same reason.
    SaveReportBitmap(Window(), SerialToDate(shown.front().start), picture->Pixels());
}

} // namespace lunea
