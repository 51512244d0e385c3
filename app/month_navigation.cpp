#include "app/month_navigation.h"

#include "app/selected_date.h"
#include "journal/day_table.h"

#include <algorithm>

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

namespace {

CivilDate MovedByDays(CivilDate selected, int days) {
    const CivilDate moved = SerialToDate(DateToSerial(selected) + days);
    if (moved.year < DayTable::FirstYear || moved.year > DayTable::LastYear)
        return selected;
    return moved;
}

CivilDate InMonth(YearMonth month, int day) {
    return {month.year, month.month, std::min(day, DaysInMonth(month.year, month.month))};
}

} // namespace

CivilDate StepSelection(CivilDate selected, DateStep step, CivilDate today) {
    const YearMonth shown{selected.year, selected.month};
    switch (step) {
    case DateStep::PreviousDay:
        return MovedByDays(selected, -1);
    case DateStep::NextDay:
        return MovedByDays(selected, 1);
    case DateStep::PreviousWeek:
        return MovedByDays(selected, -7);
    case DateStep::NextWeek:
        return MovedByDays(selected, 7);
    case DateStep::PreviousMonth:
        return InMonth(PreviousMonth(shown), selected.day);
    case DateStep::NextMonth:
        return InMonth(NextMonth(shown), selected.day);
    case DateStep::Today:
        break;
    }
    return InitialSelection(today);
}

std::string MonthCaption(const std::string& monthName, int year) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%04d", year);
    return monthName + ", " + digits;
}

} // namespace lunea
