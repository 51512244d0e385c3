#include "journal/month_scans.h"

namespace lunea {

bool IsMenstruation(std::uint8_t status) {
    return status >= 1 && status <= 3;
}

bool IsOtherKnownStatus(std::uint8_t status) {
    return status == 0 || (status >= 4 && status <= 6);
}

namespace {

MonthScan ScanMonth(const DayTable& days, int monthIndex) {
    MonthScan scan;
    if (days.MonthStamp(monthIndex) == 0)
        return scan; // never written since cleared: every day is empty
    const int length = DaysInMonth(DayTable::FirstYear + monthIndex / 12, monthIndex % 12 + 1);
    std::uint8_t later = days.InMonth(monthIndex, length).Status;
    scan.lastStatus = later;
    for (int day = length; day >= 2; --day) {
        const std::uint8_t status = days.InMonth(monthIndex, day - 1).Status;
        if (IsMenstruation(later) && IsOtherKnownStatus(status))
            scan.startDays[scan.startCount++] = static_cast<std::uint8_t>(day);
        later = status;
    }
    scan.firstStatus = later;
    return scan;
}

} // namespace

const MonthScan& MonthScans::Of(const DayTable& days, int monthIndex) {
    // A stamp the table never gives marks an entry not read yet.
    constexpr std::uint64_t kUnread = ~std::uint64_t{0};
    if (tableIdentity_ != days.Identity()) {
        tableIdentity_ = days.Identity();
        entries_.assign(DayTable::MonthCount, Entry{kUnread, {}});
    }
    Entry& entry = entries_[static_cast<std::size_t>(monthIndex)];
    const std::uint64_t stamp = days.MonthStamp(monthIndex);
    if (entry.stamp != stamp) {
        entry.scan = ScanMonth(days, monthIndex);
        entry.stamp = stamp;
    }
    return entry.scan;
}

} // namespace lunea
