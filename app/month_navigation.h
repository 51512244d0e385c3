#pragma once
// Paging through the months the day table holds, and the month caption.

#include "common/day_serial.h"

#include <string>

namespace lunea {

struct YearMonth {
    int year = 2000;
    int month = 1; // 1..12
    friend bool operator==(const YearMonth&, const YearMonth&) = default;
};

// The month before / after; at the ends of the day table's years the month
// stays.
YearMonth PreviousMonth(YearMonth shown);
YearMonth NextMonth(YearMonth shown);

// The calendar keys' moves of the selected date.
enum class DateStep {
    PreviousDay,
    NextDay,
    PreviousWeek,
    NextWeek,
    PreviousMonth,
    NextMonth,
    Today
};

// The date a step selects from `selected`. Days and weeks cross months and
// years but stay inside the table's years (a step past its ends keeps the
// selection); months page as PreviousMonth/NextMonth do, the day clamped to
// the month's length; Today is InitialSelection(today).
CivilDate StepSelection(CivilDate selected, DateStep step, CivilDate today);

// "December, 2004": the month's full name, a comma and the four-digit year.
std::string MonthCaption(const std::string& monthName, int year);

} // namespace lunea
