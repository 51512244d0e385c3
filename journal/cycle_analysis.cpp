#include "journal/cycle_analysis.h"

#include <algorithm>
#include <cstdint>

namespace lunea {
namespace {

bool IsMenstruation(std::uint8_t status) {
    return status >= 1 && status <= 3;
}

// Only a known non-menstruation status before a flow day makes it a start.
bool IsOtherKnownStatus(std::uint8_t status) {
    return status == 0 || (status >= 4 && status <= 6);
}

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

// The fertile window before a following start: sets the kind and the marks
// when the date falls inside it.
bool MarkFertileWindow(std::int32_t date, std::int32_t followingStart, const Settings& settings,
                       TDayClass& result) {
    // 64-bit: the settings are taken from the registry unchecked, and a
    // hand-edited value near the int limit must not overflow.
    const std::int64_t n = std::int64_t{followingStart} - date;
    const std::int64_t luteal = settings.LuterPhaseLength;
    if (n < luteal - 1 || n > luteal + settings.Ovulation - 2)
        return false;
    result.Kind = dkFertile;
    if (n <= luteal + 1)
        result.BoyMark = true;
    if (n >= luteal + 3)
        result.GirlMark = true;
    return true;
}

std::int32_t LastTableSerial() {
    return DateToSerial({DayTable::LastYear, 12, 31});
}

} // namespace

bool IsPlausibleCycleLength(int days) {
    return days >= kShortestPlausibleCycle && days <= kLongestPlausibleCycle;
}

void CycleAnalysis::FindStarts(const DayTable& days) {
    // Newest first: walk back from the last day, testing each day against
    // the day before it. The first day of the table has no day before it.
    std::int32_t serial = LastTableSerial();
    bool hasLaterDay = false;
    std::uint8_t laterStatus = 0;
    for (int year = DayTable::LastYear; year >= DayTable::FirstYear; --year)
        for (int month = 12; month >= 1; --month)
            for (int day = DaysInMonth(year, month); day >= 1; --day, --serial) {
                const std::uint8_t status = days.At(year, month, day).Status;
                if (hasLaterDay && IsMenstruation(laterStatus) && IsOtherKnownStatus(status)) {
                    ++CCount;
                    CStart[CCount] = serial + 1;
                    if (CCount >= 2)
                        CLen[CCount] = CStart[CCount - 1] - CStart[CCount];
                    if (CCount == MaxEntries)
                        return;
                }
                laterStatus = status;
                hasLaterDay = true;
            }
}

void CycleAnalysis::GetCStartAndLen(const DayTable& days, const Settings& settings) {
    CStart.fill(0);
    CLen.fill(0);
    CCount = 0;

    FindStarts(days);

    if (CCount > 0) {
        int sum = 0;
        int count = 0;
        for (const int length : Lengths())
            if (IsPlausibleCycleLength(length)) {
                sum += length;
                ++count;
            }
        AvgLen = count > 0 ? RoundedAverage(sum, count) : 28;
    }

    EffLen = settings.FCycles > 0 ? settings.FCycles : AvgLen;
    CLen[1] = EffLen;

    EstStart.fill(0);
    EstCount = 0;
    if (EffLen <= 0 || CCount == 0)
        return;
    const std::int32_t lastSerial = LastTableSerial();
    // 64-bit, as above: only the first prediction can lie past the table, and
    // one beyond the int range is stored as the farthest date there is.
    std::int64_t next = std::int64_t{CStart[1]} + EffLen;
    do {
        ++EstCount;
        EstStart[EstCount] = static_cast<std::int32_t>(std::min<std::int64_t>(next, INT32_MAX));
        next += EffLen;
    } while (EstCount < MaxEntries && next <= lastSerial);
}

TDayClass CycleAnalysis::ClassifyDay(const DayTable& days, CivilDate date,
                                     const Settings& settings) const {
    const std::int32_t serial = DateToSerial(date);
    TDayClass result;
    if (IsMenstruation(StatusOf(days, date)))
        result.Kind = dkFlow;

    // The window before a start belongs to the cycle that ends there, the
    // one begun at the next older start; the oldest start has none.
    const std::span<const std::int32_t> starts = Starts();
    const std::span<const int> lengths = Lengths();
    for (std::size_t i = 0; i + 1 < starts.size(); ++i)
        if (serial < starts[i] && IsPlausibleCycleLength(lengths[i + 1]) &&
            MarkFertileWindow(serial, starts[i], settings, result))
            break;

    const std::span<const std::int32_t> predicted = PredictedStarts();
    for (const std::int32_t start : predicted)
        if (start <= serial && serial < std::int64_t{start} + settings.Menstruation) {
            result.Kind = dkPredicted;
            break;
        }

    // The window before the first prediction is the current cycle's; the
    // last prediction has no following start and so no window.
    for (std::size_t k = 0; k + 1 < predicted.size(); ++k)
        if (serial < predicted[k] && MarkFertileWindow(serial, predicted[k], settings, result))
            break;

    return result;
}

} // namespace lunea
