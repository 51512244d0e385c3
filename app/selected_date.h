#pragma once
#include "journal/day_serial.h"

namespace lunea {

// The date the calendar selects for `today`: the table holds 2000..2019
// only, so a later today selects 31 December 2019 and an earlier one
// 1 January 2000.
CivilDate InitialSelection(CivilDate today);

} // namespace lunea
