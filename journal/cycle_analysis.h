#pragma once
// Cycles found in the day table, the average and effective cycle length, the
// predicted cycle starts, and the classification of a date for the calendar.
#include "common/day_serial.h"
#include "journal/cycle_rules.h"
#include "journal/day_table.h"
#include "journal/month_scans.h"

#include <array>
#include <cstdint>
#include <span>

namespace lunea {

enum TDayKind { dkClear = 0, dkFlow = 1, dkFertile = 2, dkPredicted = 3 };

struct TDayClass {
    TDayKind Kind = dkClear;
    bool BoyMark = false;
    bool GirlMark = false;
};

inline constexpr int kShortestPlausibleCycle = 24;
inline constexpr int kLongestPlausibleCycle = 40;
bool IsPlausibleCycleLength(int days);

// The results of the last analysis. The lists are 1-based like the rest of
// the program reads them: index 0 is unused, entries 1..500 are valid. The
// span views hold only the filled entries, 0-based, for code that would
// rather not count. Dates are day serials (days since 30 December 1899).
class CycleAnalysis {
  public:
    static constexpr int MaxEntries = 500;
    using DateList = std::array<std::int32_t, MaxEntries + 1>;
    using LengthList = std::array<int, MaxEntries + 1>;

    // Recomputes everything from the whole table. AvgLen keeps its previous
    // value when no cycle start is found.
    void GetCStartAndLen(const DayTable& days, const CycleRules& rules);

    // Classifies a date of the table with the results of the last analysis.
    TDayClass ClassifyDay(const DayTable& days, CivilDate date, const CycleRules& rules) const;

    // CStart[1..CCount]: the newest start first.
    std::span<const std::int32_t> Starts() const { return FilledEntries(CStart, CCount); }
    // CLen[1..CCount]: Lengths()[i] is the cycle begun at Starts()[i]; the
    // newest, still running, has EffLen.
    std::span<const int> Lengths() const { return FilledEntries(CLen, CCount); }
    // EstStart[1..EstCount], ascending.
    std::span<const std::int32_t> PredictedStarts() const {
        return FilledEntries(EstStart, EstCount);
    }

    DateList CStart{}; // CStart[1] the newest start, CStart[CCount] the oldest
    int CCount = 0;
    LengthList CLen{}; // CLen[k]: days from CStart[k] to CStart[k-1]; CLen[1] = EffLen
    int AvgLen = 0;
    int EffLen = 0;
    DateList EstStart{}; // predicted starts, ascending
    int EstCount = 0;

  private:
    template <typename List>
    static std::span<const typename List::value_type> FilledEntries(const List& list, int count) {
        return std::span<const typename List::value_type>(list).subspan(
            1, static_cast<std::size_t>(count));
    }
    void FindStarts(const DayTable& days);
    // Stores the next older start; true when the list is full.
    bool AddStart(std::int32_t serial);
    MonthScans monthScans_;
};

} // namespace lunea
