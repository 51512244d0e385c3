#include "app/chart_printing_win.h"

namespace lunea {

void PrintChart(HWND, const Chart&, const Rect&) {}

} // namespace lunea
