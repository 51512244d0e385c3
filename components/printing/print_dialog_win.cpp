#include "components/printing/print_dialog_win.h"

#include <cderr.h>
#include <commdlg.h>
#include <winspool.h>

#include <cstdio>

namespace lunea {
namespace {

// The dialogs report failures as CommDlgExtendedError codes, which have no
// system text.
std::string DialogFailureText(DWORD code) {
    switch (code) {
    case PDERR_NODEFAULTPRN:
        return "No printer is installed.";
    case PDERR_NODEVICES:
        return "No printer driver is installed.";
    case PDERR_PRINTERNOTFOUND:
        return "The chosen printer was not found.";
    case PDERR_CREATEICFAILURE:
        return "The printer could not be prepared for printing.";
    default:
        char text[64];
        std::snprintf(text, sizeof text, "The print dialog failed (error 0x%04lX).",
                      static_cast<unsigned long>(code));
        return text;
    }
}

// Wine's dialog, finding no printer, says so in a box of its own and then
// returns as if cancelled: the dialogs are not shown without a printer.
bool AnyPrinterInstalled() {
    DWORD needed = 0;
    DWORD count = 0;
    if (EnumPrintersW(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, nullptr, 0,
                      &needed, &count))
        return count > 0;
    // Printers to list but no room for them; any other failure is left to the dialog.
    return true;
}

PrintDialogResult NoPrinter() {
    PrintDialogResult result;
    result.choice = PrinterChoice::Failed;
    result.error = DialogFailureText(PDERR_NODEFAULTPRN);
    return result;
}

// Lends the settings to the dialog and keeps what it leaves in their place:
// the dialog may free and replace the memory it was given.
PrintDialogResult RunDialog(PRINTDLGW& dialog, PrinterSettings& settings) {
    dialog.lStructSize = sizeof dialog;
    dialog.hDevMode = settings.devMode.Release();
    dialog.hDevNames = settings.devNames.Release();
    const bool accepted = PrintDlgW(&dialog);
    const DWORD failure = accepted ? 0 : CommDlgExtendedError();
    settings.devMode = GlobalMemory(dialog.hDevMode);
    settings.devNames = GlobalMemory(dialog.hDevNames);

    PrintDialogResult result;
    result.printer = PrinterDc(dialog.hDC);
    const bool dcMissing = accepted && (dialog.Flags & PD_RETURNDC) && !result.printer;
    if (accepted && !dcMissing)
        result.choice = PrinterChoice::Chosen;
    else if (failure != 0 || dcMissing) {
        result.choice = PrinterChoice::Failed;
        result.error = DialogFailureText(dcMissing ? PDERR_CREATEICFAILURE : failure);
    }
    return result;
}

// The dialogs' DEVMODE, locked for as long as this lives.
class LockedDevMode {
  public:
    explicit LockedDevMode(const GlobalMemory& memory)
        : memory_(memory.Get()),
          mode_(memory_ ? static_cast<DEVMODEW*>(GlobalLock(memory_)) : nullptr) {}
    ~LockedDevMode() {
        if (mode_)
            GlobalUnlock(memory_);
    }
    LockedDevMode(const LockedDevMode&) = delete;
    LockedDevMode& operator=(const LockedDevMode&) = delete;

    DEVMODEW* Get() const { return mode_; }

  private:
    HGLOBAL memory_;
    DEVMODEW* mode_;
};

} // namespace

bool SetOrientation(PrinterSettings& settings, short orientation) {
    const LockedDevMode mode(settings.devMode);
    if (!mode.Get())
        return false;
    mode.Get()->dmFields |= DM_ORIENTATION;
    mode.Get()->dmOrientation = orientation;
    return true;
}

bool ApplySettings(HDC printer, const PrinterSettings& settings) {
    const LockedDevMode mode(settings.devMode);
    return mode.Get() && ResetDCW(printer, mode.Get());
}

PrintDialogResult ShowPrintDialog(HWND owner, PrinterSettings& settings) {
    if (!AnyPrinterInstalled())
        return NoPrinter();
    PRINTDLGW dialog{};
    dialog.hwndOwner = owner;
    dialog.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_USEDEVMODECOPIESANDCOLLATE;
    dialog.nCopies = 1;
    return RunDialog(dialog, settings);
}

PrintDialogResult ShowPrinterSetup(HWND owner, PrinterSettings& settings) {
    if (!AnyPrinterInstalled())
        return NoPrinter();
    PRINTDLGW dialog{};
    dialog.hwndOwner = owner;
    dialog.Flags = PD_PRINTSETUP;
    return RunDialog(dialog, settings);
}

PrintDialogResult UseDefaultPrinter() {
    // The default is asked for with no settings of its own.
    PrinterSettings none;
    PRINTDLGW dialog{};
    dialog.Flags = PD_RETURNDEFAULT | PD_RETURNDC;
    return RunDialog(dialog, none);
}

} // namespace lunea
