#include "journal/cycle_analysis.h"

#include "journal/month_scans.h"

#include <algorithm>
#include <cstdint>

namespace lunea {
namespace {

std::uint8_t StatusOf(const DayTable& days, CivilDate date) {
    return DayTable::HasSlot(date) ? days.At(date).Status : 0;
}

// Average of whole numbers rounded to the nearest, a half to the even one.
int RoundedAverage(int sum, int count) {
    const int quotient = sum / count;
    const int twiceRemainder = 2 * (sum % count);
    if (twiceRemainder > count || (twiceRemainder == count && quotient % 2 != 0))
        return quotient + 1;
    return quotient;
}

// How many days before a following start its fertile window lies: from
// `nearest` to `farthest` days, never on the start itself or after it.
struct FertileReach {
    std::int64_t nearest;
    std::int64_t farthest;
};

FertileReach FertileReachOf(const CycleRules& rules) {
    // 64-bit: the settings are taken from the registry unchecked, and a
    // hand-edited value near the int limit must not overflow.
    const std::int64_t luteal = rules.lutealDays;
    return {std::max<std::int64_t>(1, luteal - 1), luteal + rules.fertileDays - 2};
}

// A day `daysBefore` days before a following start, within its reach.
void MarkFertileDay(std::int64_t daysBefore, const CycleRules& rules, DayClass& result) {
    const std::int64_t luteal = rules.lutealDays;
    result.kind = kFertileDay;
    if (daysBefore <= luteal + 1)
        result.boyMark = true;
    if (daysBefore >= luteal + 3)
        result.girlMark = true;
}

// Days from a date to a start, in 64 bits: a prediction may be the largest
// serial there is.
std::int64_t DaysUntil(std::int32_t start, std::int32_t serial) {
    return std::int64_t{start} - serial;
}

std::int32_t LastTableSerial() {
    return DateToSerial({DayTable::LastYear, 12, 31});
}

} // namespace

bool IsPlausibleCycleLength(int days) {
    return days >= kShortestPlausibleCycle && days <= kLongestPlausibleCycle;
}

bool CycleAnalysis::AddStart(std::int32_t serial) {
    ++cycleCount;
    startDates[cycleCount] = serial;
    if (cycleCount >= 2)
        cycleLengths[cycleCount] = startDates[cycleCount - 1] - startDates[cycleCount];
    return cycleCount == kMaxEntries;
}

void CycleAnalysis::FindStarts(const DayTable& days) {
    // Newest first, as a walk back from the last day that tests each day
    // against the day before it: a month's own starts, then its first day
    // against the last day of the month before. The first day of the table
    // has no day before it.
    std::int32_t monthEnd = LastTableSerial();
    for (int index = DayTable::MonthCount - 1; index >= 0; --index) {
        const MonthScan& scan = monthScans_.Of(days, index);
        const int length = DaysInMonth(DayTable::FirstYear + index / 12, index % 12 + 1);
        const std::int32_t monthStart = monthEnd - length + 1;
        for (int k = 0; k < scan.startCount; ++k)
            if (AddStart(monthStart + scan.startDays[k] - 1))
                return;
        if (index > 0 && IsMenstruation(scan.firstStatus) &&
            IsOtherKnownStatus(monthScans_.Of(days, index - 1).lastStatus) && AddStart(monthStart))
            return;
        monthEnd = monthStart - 1;
    }
}

void CycleAnalysis::Analyse(const DayTable& days, const CycleRules& rules) {
    startDates.fill(0);
    cycleLengths.fill(0);
    cycleCount = 0;

    FindStarts(days);

    if (cycleCount > 0) {
        int sum = 0;
        int count = 0;
        for (const int length : Lengths())
            if (IsPlausibleCycleLength(length)) {
                sum += length;
                ++count;
            }
        averageLength = count > 0 ? RoundedAverage(sum, count) : 28;
    }

    effectiveLength = rules.customLength > 0 ? rules.customLength : averageLength;
    cycleLengths[1] = effectiveLength;

    predictedDates.fill(0);
    predictedCount = 0;
    if (effectiveLength <= 0 || cycleCount == 0)
        return;
    const std::int32_t lastSerial = LastTableSerial();
    // 64-bit, as above: only the first prediction can lie past the table, and
    // one beyond the int range is stored as the farthest date there is.
    std::int64_t next = std::int64_t{startDates[1]} + effectiveLength;
    do {
        ++predictedCount;
        predictedDates[predictedCount] =
            static_cast<std::int32_t>(std::min<std::int64_t>(next, INT32_MAX));
        next += effectiveLength;
    } while (predictedCount < kMaxEntries && next <= lastSerial);
}

DayClass CycleAnalysis::ClassifyDay(const DayTable& days, CivilDate date,
                                    const CycleRules& rules) const {
    const std::int32_t serial = DateToSerial(date);
    DayClass result;
    if (IsMenstruation(StatusOf(days, date)))
        result.kind = kFlowDay;
    // The lists are sorted, so each rule looks only at the starts that can
    // meet it: a month drawn in front of 500 starts stays cheap.
    const FertileReach reach = FertileReachOf(rules);

    // The window before a start belongs to the cycle that ends there, the
    // one begun at the next older start; the oldest start has none. Of the
    // starts in reach the latest with a plausible cycle before it counts.
    const std::span<const std::int32_t> starts = Starts();
    const std::span<const int> lengths = Lengths();
    const auto latestInReach =
        std::partition_point(starts.begin(), starts.end(), [&](std::int32_t start) {
            return DaysUntil(start, serial) > reach.farthest;
        });
    for (auto start = latestInReach;
         start + 1 < starts.end() && DaysUntil(*start, serial) >= reach.nearest; ++start)
        if (IsPlausibleCycleLength(lengths[static_cast<std::size_t>(start - starts.begin()) + 1])) {
            MarkFertileDay(DaysUntil(*start, serial), rules, result);
            break;
        }

    // The latest prediction on or before the date reaches farthest.
    const std::span<const std::int32_t> predicted = PredictedStarts();
    const auto after = std::upper_bound(predicted.begin(), predicted.end(), serial);
    if (after != predicted.begin() && serial < std::int64_t{*(after - 1)} + rules.menstruationDays)
        result.kind = kPredictedFlowDay;

    // The window before the first prediction is the current cycle's; the
    // last prediction has no following start and so no window. The earliest
    // prediction in reach counts.
    if (!predicted.empty()) {
        const auto last = predicted.end() - 1;
        const auto earliestInReach =
            std::partition_point(predicted.begin(), last, [&](std::int32_t start) {
                return DaysUntil(start, serial) < reach.nearest;
            });
        if (earliestInReach != last && DaysUntil(*earliestInReach, serial) <= reach.farthest)
            MarkFertileDay(DaysUntil(*earliestInReach, serial), rules, result);
    }
    return result;
}

} // namespace lunea
