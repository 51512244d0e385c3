#include "common/day_serial.h"

namespace lunea {
namespace {

// Days from 1 March of year 0 (proleptic Gregorian) to the given date; the
// March-based year puts the leap day last, which keeps the arithmetic flat.
constexpr std::int64_t DaysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = static_cast<int>(y - era * 400);
    const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe;
}

// constexpr: other files' static initialisers convert dates too.
constexpr std::int64_t kSerialEpoch = DaysFromCivil(1899, 12, 30);

} // namespace

std::int32_t DateToSerial(CivilDate date) {
    return static_cast<std::int32_t>(DaysFromCivil(date.year, date.month, date.day) - kSerialEpoch);
}

CivilDate SerialToDate(std::int32_t serial) {
    const std::int64_t z = serial + kSerialEpoch;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int doe = static_cast<int>(z - era * 146097);
    const int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int mp = (5 * doy + 2) / 153;
    const int day = doy - (153 * mp + 2) / 5 + 1;
    const int month = mp < 10 ? mp + 3 : mp - 9;
    const int year = static_cast<int>(yoe + era * 400) + (month <= 2);
    return {year, month, day};
}

bool IsRealDate(CivilDate date) {
    return date.day >= 1 && date.day <= DaysInMonth(date.year, date.month);
}

int DayOfWeek(CivilDate date) {
    // Serial 1 (31 December 1899) was a Sunday.
    const std::int32_t serial = DateToSerial(date);
    return static_cast<int>(((serial - 1) % 7 + 7) % 7);
}

} // namespace lunea
