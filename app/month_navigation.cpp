#include "app/month_navigation.h"

#include "journal/day_table.h"

#include <cstdio>

namespace lunea {

YearMonth PreviousMonth(YearMonth shown) {
    if (shown.month > 1)
        return {shown.year, shown.month - 1};
    if (shown.year <= DayTable::FirstYear)
        return shown;
    return {shown.year - 1, 12};
}

YearMonth NextMonth(YearMonth shown) {
    if (shown.month < 12)
        return {shown.year, shown.month + 1};
    if (shown.year >= DayTable::LastYear)
        return shown;
    return {shown.year + 1, 1};
}

std::string MonthCaption(const std::string& monthName, int year) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%04d", year);
    return monthName + ", " + digits;
}

} // namespace lunea
