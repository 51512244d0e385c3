#pragma once
// What the user's locale says about weeks, months and dates.

#include "app/month_view.h"
#include "common/day_serial.h"

#include <array>
#include <string>

namespace lunea {

// Full month names, January first.
std::array<std::string, 12> LocaleMonthNames();
// The first day of the week and the abbreviated day names.
MonthViewLocale LocaleWeek();
// A date in the user's short date format (d.m.yyyy when the system has none).
std::string ShortDateText(CivilDate date);

} // namespace lunea
