#pragma once
// What every print command of the program does around its pages: the
// printer chosen in the Print dialog, and whatever fails told to the user
// in a message box with the system's text.

#include "components/printing/print_dialog_win.h"
#include "components/printing/print_job_win.h"

#include <windows.h>

#include <functional>
#include <string>

namespace lunea {

inline constexpr char kNoPageToPrintOn[] = "The printer offers no page to print on.";

void TellPrintFailure(HWND owner, const std::string& text);

// The chosen printer's DC; empty when the dialog was cancelled, or failed
// and the failure was told.
PrinterDc ChoosePrinter(HWND owner, PrinterSettings& settings);

// Turns the paper of the chosen printer upright, for this print and the
// ones after it; false, told, when the printer refuses.
bool TurnToPortrait(HWND owner, HDC printer, PrinterSettings& settings);

// Hands the job to the printer, its pages ended; false, told, when any of
// its steps failed.
bool FinishTellingFailure(HWND owner, PrintJob& job);

// A job of one page, which drawPage draws; false when it failed.
bool PrintOnePage(HWND owner, HDC printer, const std::string& documentName,
                  const std::function<void()>& drawPage);

} // namespace lunea
