#include "reports/report_cycles.h"

#include <algorithm>

namespace lunea {

std::vector<ReportCycle> CyclesOnPage(const ReportInput& input) {
    const CycleAnalysis& cycles = input.cycles;
    const int count = std::clamp(cycles.cycleCount, 0, CycleAnalysis::kMaxEntries);
    if (input.first < 1 || input.first > count)
        return {};
    // The spin box's minimum is 1, whatever it was given.
    const int shown = std::clamp(input.cyclesPerPage, 1, count - input.first + 1);
    std::vector<ReportCycle> page;
    page.reserve(static_cast<std::size_t>(shown));
    for (int k = 0; k < shown; ++k) {
        const auto index = static_cast<std::size_t>(count + 1 - input.first - k);
        const int stored = cycles.cycleLengths[index];
        page.push_back({cycles.startDates[index],
                        IsPlausibleCycleLength(stored) ? stored : cycles.effectiveLength});
    }
    return page;
}

} // namespace lunea
