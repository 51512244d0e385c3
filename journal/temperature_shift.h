#pragma once
// The thermal shift of a month: the first day of a cycle whose basal
// temperature and the next two recorded ones all lie above the six recorded
// before it, and the coverline just above those six. The rule compares the
// Celsius values the journal holds; only the coverline is given in the
// scale the chart shows, as Fahrenheit is a monotone rescaling.
#include "journal/day_table.h"

#include <cstdint>
#include <optional>
#include <span>

namespace lunea {

struct TemperatureShift {
    std::int32_t day = 0;       // day serial of the first raised reading
    double highestBefore = 0.0; // Celsius, the highest of the six readings before it
};

// The shift of the month, if the first shift of one of its cycles falls in
// it. cycleStarts: the analysis' cycle starts, newest first. Readings before
// the month count when they belong to the same cycle; days without a
// temperature are skipped; a day before every known cycle start belongs to
// no cycle and has no shift.
std::optional<TemperatureShift> FindTemperatureShift(const DayTable& days,
                                                     std::span<const std::int32_t> cycleStarts,
                                                     int year, int month);

} // namespace lunea
