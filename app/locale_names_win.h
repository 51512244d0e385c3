#pragma once
// What the user's locale says about weeks and months.

#include "app/month_view.h"

#include <array>
#include <string>

namespace lunea {

// Full month names, January first.
std::array<std::string, 12> LocaleMonthNames();
// The first day of the week and the abbreviated day names.
MonthViewLocale LocaleWeek();

} // namespace lunea
