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

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
bool IsRealDate(CivilDate date);
// 0 = Sunday .. 6 = Saturday.
int DayOfWeek(CivilDate date);

} // namespace lunea
