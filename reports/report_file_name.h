#pragma once
// The name the saved report picture is offered under.

#include "common/day_serial.h"

#include <string>

namespace lunea {

// "Cycle" day.month.year ".bmp" of the first cycle's start, the day and
// month without leading zeros: Cycle5.3.2004.bmp.
std::string ReportBitmapName(CivilDate firstCycleStart);

} // namespace lunea
