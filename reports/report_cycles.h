#pragma once
// The cycles a report draws: from the list position `first` on, as many as
// the page takes and the list still holds, each with the length its block
// is drawn with.

#include "reports/report_renderer.h"

#include <cstdint>
#include <vector>

namespace lunea {

struct ReportCycle {
    std::int32_t start = 0; // day serial of the first day
    int length = 0;         // a stored length outside 24..40 is replaced by effectiveLength
};

// Oldest first, as the blocks stand from the top; empty when `first` is
// outside the list.
std::vector<ReportCycle> CyclesOnPage(const ReportInput& input);

} // namespace lunea
