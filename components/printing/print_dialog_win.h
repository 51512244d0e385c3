#pragma once
// The system's Print and Print Setup dialogs, and the default printer
// without a dialog.

#include "components/printing/printer_dc_win.h"

#include <windows.h>

#include <string>

namespace lunea {

using GlobalMemory = win::UniqueResource<win::FreedBy<HGLOBAL, GlobalFree>>;

// The printer and paper last chosen (the dialogs' DEVMODE and DEVNAMES),
// kept by the program so every Print starts from what any Print Setup or
// the previous Print chose.
struct PrinterSettings {
    GlobalMemory devMode;
    GlobalMemory devNames;
};

enum class PrinterChoice { Chosen, Cancelled, Failed };

struct PrintDialogResult {
    PrinterChoice choice = PrinterChoice::Cancelled;
    PrinterDc printer; // when Chosen, except from Print Setup
    std::string error; // when Failed: what went wrong, for the user
};

// Sets the paper's orientation (DMORIENT_PORTRAIT or DMORIENT_LANDSCAPE) for
// the prints that follow; false while no dialog has chosen a printer yet.
bool SetOrientation(PrinterSettings& settings, short orientation);
// Makes a printer's DC print with the settings from its next job on.
bool ApplySettings(HDC printer, const PrinterSettings& settings);

// The Print dialog; Chosen comes with the chosen printer's DC.
PrintDialogResult ShowPrintDialog(HWND owner, PrinterSettings& settings);
// The Print Setup dialog: only the settings change.
PrintDialogResult ShowPrinterSetup(HWND owner, PrinterSettings& settings);
// The default printer's DC, no dialog shown; Failed when there is none.
PrintDialogResult UseDefaultPrinter();

} // namespace lunea
