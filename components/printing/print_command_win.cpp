#include "components/printing/print_command_win.h"

#include "components/controls/message_box_prompts_win.h"

#include <utility>

namespace lunea {

void TellPrintFailure(HWND owner, const std::string& text) {
    MessageBoxPrompts(owner).ReportError(text);
}

PrinterDc ChoosePrinter(HWND owner, PrinterSettings& settings) {
    PrintDialogResult chosen = ShowPrintDialog(owner, settings);
    if (chosen.choice == PrinterChoice::Failed)
        TellPrintFailure(owner, chosen.error);
    if (chosen.choice != PrinterChoice::Chosen)
        return {};
    return std::move(chosen.printer);
}

bool TurnToPortrait(HWND owner, HDC printer, PrinterSettings& settings) {
    // The dialog always leaves its settings; without them the printer's own stand.
    if (!SetOrientation(settings, DMORIENT_PORTRAIT) || ApplySettings(printer, settings))
        return true;
    TellPrintFailure(owner, "The printer could not be set to portrait orientation.");
    return false;
}

bool FinishTellingFailure(HWND owner, PrintJob& job) {
    if (job.Finish())
        return true;
    TellPrintFailure(owner, job.Error());
    return false;
}

bool PrintOnePage(HWND owner, HDC printer, const std::string& documentName,
                  const std::function<void()>& drawPage) {
    PrintJob job(printer, documentName);
    if (job.StartPage())
        drawPage();
    job.EndPage();
    return FinishTellingFailure(owner, job);
}

} // namespace lunea
