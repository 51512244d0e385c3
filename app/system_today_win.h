#pragma once
#include "journal/day_serial.h"

namespace lunea {

// Today by the computer's local clock.
CivilDate SystemToday();

} // namespace lunea
