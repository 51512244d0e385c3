#pragma once
// Printing the chart that shows: the print dialog, then one page with the
// chart drawn at the printer's resolution inside the page's margins.

#include "components/chart/chart.h"
#include "components/printing/print_dialog_win.h"

#include <windows.h>

namespace lunea {

// `screenSize` is the chart's size on the screen: the printed chart keeps
// its proportions. A cancelled dialog prints nothing; a failure is told in
// a message box with the system's text.
void PrintChart(HWND owner, PrinterSettings& printer, const Chart& chart,
                const TextExtent& screenSize);

} // namespace lunea
