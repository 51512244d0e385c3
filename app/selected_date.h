#pragma once
#include "common/day_serial.h"

namespace lunea {

// The date the calendar selects for `today`: the table holds only the years
// FirstYear..LastYear of DayTable, so a later today selects the last day of
// the table and an earlier one its first.
CivilDate InitialSelection(CivilDate today);

} // namespace lunea
