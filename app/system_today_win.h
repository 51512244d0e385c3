#pragma once
#include "common/day_serial.h"
#include "journal/backups.h"

namespace lunea {

// Today by the computer's local clock.
CivilDate SystemToday();
// The date and time now by the same clock, to the minute.
BackupTime SystemLocalTime();

} // namespace lunea
