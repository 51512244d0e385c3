#pragma once
// The two cycle reports behind one interface, so the report window, printing
// and saving treat the standard and the advanced report alike.

#include "components/canvas/canvas.h"
#include "journal/cycle_analysis.h"
#include "common/day_serial.h"
#include "journal/day_table.h"
#include "settings/settings.h"

#include <functional>
#include <string>
#include <vector>

namespace lunea {

// The advanced report's optional rows, in stacking order, and its notes.
struct AdvancedRows {
    bool sex = true;
    bool menses = true;
    bool calendarMethod = true;
    bool temperature = true;
    bool mucus = true;
    bool pms = true;
    bool cramps = true;
    bool protection = true;
    bool secret = true;
    bool appointments = true;
    bool notes = true; // adds no row: collects the notes of the drawn cycles
};

// What a report is drawn from; it is only read. The cycle list is the last
// analysis's, oldest first: list position p is the cycle begun at
// cycles.startDates[cycles.cycleCount + 1 - p].
struct ReportInput {
    const DayTable& days;
    const CycleAnalysis& cycles;
    const Settings& settings;
    int first = -1;        // list position of the first cycle drawn; below 1 draws nothing
    int cyclesPerPage = 3; // what the spin box says; cut to the cycles left from `first`
    AdvancedRows rows;
    std::function<std::string(CivilDate)>
        shortDate; // the system's short date format; no notes without it
};

struct PictureSize {
    int width = 0;
    int height = 0;
    bool Empty() const { return width <= 0 || height <= 0; }
    friend bool operator==(const PictureSize&, const PictureSize&) = default;
};

class ReportRenderer {
  public:
    virtual ~ReportRenderer() = default;
    // Empty when there is nothing to draw.
    virtual PictureSize SizeOf(const ReportInput& input) const = 0;
    // The whole picture, its top-left corner at (0, 0) of the canvas.
    virtual void Draw(Canvas& canvas, const ReportInput& input) const = 0;
    // The lines of the notes box after a drawing; none when the report keeps no notes.
    virtual std::vector<std::string> Notes(const ReportInput& input) const = 0;
};

const ReportRenderer& StandardReport();
const ReportRenderer& AdvancedReport();

} // namespace lunea
