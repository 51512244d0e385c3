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

enum DayKind { kClearDay = 0, kFlowDay = 1, kFertileDay = 2, kPredictedFlowDay = 3 };

struct DayClass {
    DayKind kind = kClearDay;
    bool boyMark = false;
    bool girlMark = false;
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
    static constexpr int kMaxEntries = 500;
    using DateList = std::array<std::int32_t, kMaxEntries + 1>;
    using LengthList = std::array<int, kMaxEntries + 1>;

    // Recomputes everything from the whole table. averageLength keeps its previous
    // value when no cycle start is found.
    void Analyse(const DayTable& days, const CycleRules& rules);

    // Classifies a date of the table with the results of the last analysis.
    DayClass ClassifyDay(const DayTable& days, CivilDate date, const CycleRules& rules) const;

    // startDates[1..cycleCount]: the newest start first.
    std::span<const std::int32_t> Starts() const { return FilledEntries(startDates, cycleCount); }
    // cycleLengths[1..cycleCount]: Lengths()[i] is the cycle begun at Starts()[i]; the
    // newest, still running, has effectiveLength.
    std::span<const int> Lengths() const { return FilledEntries(cycleLengths, cycleCount); }
    // predictedDates[1..predictedCount], ascending.
    std::span<const std::int32_t> PredictedStarts() const {
        return FilledEntries(predictedDates, predictedCount);
    }

    DateList startDates{}; // startDates[1] the newest start, startDates[cycleCount] the oldest
    int cycleCount = 0;
    LengthList cycleLengths{}; // cycleLengths[k]: days from startDates[k] to startDates[k-1];
                               // cycleLengths[1] = effectiveLength
    int averageLength = 0;
    int effectiveLength = 0;
    DateList predictedDates{}; // predicted starts, ascending
    int predictedCount = 0;

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
