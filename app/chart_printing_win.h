#pragma once
// Printing the chart that shows: the print dialog, then one page with the
// chart drawn at the printer's resolution inside the page's margins.

#include "components/chart.h"

#include <windows.h>

namespace lunea {

// `screenBounds` is the chart's size on the screen: the printed chart
// keeps its proportions.
void PrintChart(HWND owner, const Chart& chart, const Rect& screenBounds);

} // namespace lunea
