#pragma once
#include <cstdint>

namespace lunea {

// A calendar date as the journal stores it.
struct CivilDate {
    int year = 0;
    int month = 0; // 1..12
    int day = 0;   // 1..31
    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

// Days since 30 December 1899 (1 January 2000 is 36526).
std::int32_t DateToSerial(CivilDate date);
CivilDate SerialToDate(std::int32_t serial);

// constexpr: the day table lays out its slots at compile time.
constexpr bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}
constexpr int DaysInMonth(int year, int month) {
    constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}
// The number of days of the years first..last.
constexpr int DaysOfYears(int first, int last) {
    int days = 0;
    for (int year = first; year <= last; ++year)
        days += IsLeapYear(year) ? 366 : 365;
    return days;
}
bool IsRealDate(CivilDate date);
// 0 = Sunday .. 6 = Saturday.
int DayOfWeek(CivilDate date);

} // namespace lunea
