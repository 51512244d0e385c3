#pragma once
// Paging through the months the day table holds, and the month caption.

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

// "December, 2004": the month's full name, a comma and the four-digit year.
std::string MonthCaption(const std::string& monthName, int year);

} // namespace lunea
