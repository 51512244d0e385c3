#pragma once
// What the cycle analysis reads of each month of a day table, kept between
// analyses and read again only for the months changed since.
#include "journal/day_table.h"

#include <array>
#include <cstdint>
#include <vector>

namespace lunea {

bool IsMenstruation(std::uint8_t status);
// Only a known non-menstruation status before a flow day makes it a start.
bool IsOtherKnownStatus(std::uint8_t status);

struct MonthScan {
    std::uint8_t firstStatus = 0; // of day 1
    std::uint8_t lastStatus = 0;  // of the month's last real day
    // Days 2..31 that start a cycle within the month, the latest first; a
    // start needs a day before it that is not one, so at most 15.
    std::uint8_t startCount = 0;
    std::array<std::uint8_t, 15> startDays{};
};

class MonthScans {
  public:
    // The scan of a month (DayTable::MonthIndex), as the table holds it now.
    const MonthScan& Of(const DayTable& days, int monthIndex);

  private:
    struct Entry {
        std::uint64_t stamp = 0;
        MonthScan scan;
    };
    std::uint64_t tableIdentity_ = 0;
    std::vector<Entry> entries_;
};

} // namespace lunea
