#pragma once
// The rows of an advanced report's block, stacked in a fixed order; the
// rows the options leave out close up.

#include "components/art/image_sets.h"
#include "components/canvas/canvas.h"
#include "journal/day_table.h"
#include "reports/report_renderer.h"

#include <vector>

namespace lunea {

enum class AdvancedContent {
    MonthNames,
    Dates,
    DayNumbers, // written by the grid
    Image,      // one observation picture on the days that have it
    CalendarMethod,
    Temperature,
};

struct AdvancedRow {
    const char* caption = nullptr; // none for the temperature area
    AdvancedContent content = AdvancedContent::Dates;
    int top = 0;  // row index within the block
    int rows = 1; // the temperature area takes 7
    ImageSetId set = ImageSetId::Icons;
    // The picture of a day in this row, or -1 for none.
    int (*imageOf)(const TDayRecord&) = nullptr;
};

// The rows the options keep, top to bottom, each with its row index.
std::vector<AdvancedRow> AdvancedLayout(const AdvancedRows& options);
// 19 with every row, 3 with none.
int AdvancedRowCount(const AdvancedRows& options);

} // namespace lunea
