#pragma once
#include "common/day_serial.h"

namespace lunea {

// Today by the computer's local clock.
CivilDate SystemToday();

} // namespace lunea
