#include "journal/temperature_shift.h"

#include <algorithm>
#include <vector>

namespace lunea {
namespace {

constexpr int kReadingsBefore = 6;
constexpr int kRaisedReadings = 3;
// Readings this close are the same reading: one entered in Fahrenheit is
// stored as a Celsius value a rounding away from the one typed in Celsius.
constexpr double kSameReading = 0.005;

struct Reading {
    std::int32_t day;
    double celsius;
    std::int32_t cycle; // the cycle's start; 0: before every start
};

std::int32_t CycleOf(std::int32_t day, std::span<const std::int32_t> cycleStarts) {
    for (const std::int32_t start : cycleStarts)
        if (start != 0 && start <= day)
            return start;
    return 0;
}

// The start of the cycle after the one running at the month's end; 0: none.
std::int32_t NextStart(std::int32_t monthEnd, std::span<const std::int32_t> cycleStarts) {
    std::int32_t next = 0;
    for (const std::int32_t start : cycleStarts)
        if (start > monthEnd)
            next = start;
    return next;
}

// The recorded readings from `from` to the month's end, and the next two
// of the same cycle after it that may confirm a shift on its last days.
std::vector<Reading> ReadingsFrom(const DayTable& days, std::span<const std::int32_t> cycleStarts,
                                  std::int32_t from, std::int32_t monthEnd) {
    std::vector<Reading> readings;
    const std::int32_t nextStart = NextStart(monthEnd, cycleStarts);
    int afterEnd = 0;
    for (std::int32_t day = from; afterEnd < kRaisedReadings - 1 && day != nextStart; ++day) {
        const TDayRecord* record = days.AtSerial(day);
        if (record == nullptr)
            break;
        if (record->Temperature > 0) {
            readings.push_back({day, record->Temperature, CycleOf(day, cycleStarts)});
            afterEnd += day > monthEnd ? 1 : 0;
        }
    }
    return readings;
}

double HighestBefore(const std::vector<Reading>& readings, std::size_t at) {
    double highest = 0.0;
    for (std::size_t i = at - kReadingsBefore; i < at; ++i)
        highest = std::max(highest, readings[i].celsius);
    return highest;
}

bool IsShift(const std::vector<Reading>& readings, std::size_t at) {
    const std::int32_t cycle = readings[at].cycle;
    if (cycle == 0 || at < kReadingsBefore || at + kRaisedReadings > readings.size() ||
        readings[at - kReadingsBefore].cycle != cycle ||
        readings[at + kRaisedReadings - 1].cycle != cycle)
        return false;
    const double highest = HighestBefore(readings, at);
    for (std::size_t i = at; i < at + kRaisedReadings; ++i)
        if (readings[i].celsius <= highest + kSameReading)
            return false;
    return true;
}

} // namespace

std::optional<TemperatureShift> FindTemperatureShift(const DayTable& days,
                                                     std::span<const std::int32_t> cycleStarts,
                                                     int year, int month) {
    if (!DayTable::HasSlot(year, month, 1))
        return std::nullopt;
    const std::int32_t monthStart = DateToSerial({year, month, 1});
    const std::int32_t monthEnd = DateToSerial({year, month, DaysInMonth(year, month)});
    const std::int32_t firstCycle = CycleOf(monthStart, cycleStarts);
    const std::vector<Reading> readings =
        ReadingsFrom(days, cycleStarts, firstCycle != 0 ? firstCycle : monthStart, monthEnd);
    // Only a cycle's first shift counts: a later rise above the raised
    // readings is no ovulation.
    std::int32_t shiftedCycle = 0;
    for (std::size_t at = 0; at < readings.size() && readings[at].day <= monthEnd; ++at) {
        if (readings[at].cycle == shiftedCycle || !IsShift(readings, at))
            continue;
        if (readings[at].day >= monthStart)
            return TemperatureShift{readings[at].day, HighestBefore(readings, at)};
        shiftedCycle = readings[at].cycle;
    }
    return std::nullopt;
}

} // namespace lunea
