#include "reports/advanced_rows.h"

#include "components/art/image_sets.h"

namespace lunea {
namespace {

struct RowKind {
    const char* caption;
    bool AdvancedRows::*shown; // null: always there
    AdvancedContent content;
    int rows;
    ImageSetId set;
    int (*imageOf)(const TDayRecord&);
};

template <std::uint8_t TDayRecord::*Field, int Image> int WhenSet(const TDayRecord& day) {
    return day.*Field != 0 ? Image : -1;
}

int Menses(const TDayRecord& day) {
    return day.Status >= 1 && day.Status <= 3 ? day.Status : -1;
}

int Mucus(const TDayRecord& day) {
    return day.Status == 5 || day.Status == 6 ? day.Status : -1;
}

constexpr RowKind kRowKinds[] = {
    {"Month", nullptr, AdvancedContent::MonthNames, 1, ImageSetId::Icons, nullptr},
    {"Date", nullptr, AdvancedContent::Dates, 1, ImageSetId::Icons, nullptr},
    {"Day of cycle", nullptr, AdvancedContent::DayNumbers, 1, ImageSetId::Icons, nullptr},
    {"Sex", &AdvancedRows::sex, AdvancedContent::Image, 1, ImageSetId::Icons,
     WhenSet<&TDayRecord::Sex, icon::kHeart>},
    {"Menses", &AdvancedRows::menses, AdvancedContent::Image, 1, ImageSetId::Status, Menses},
    {"Cal. Method", &AdvancedRows::calendarMethod, AdvancedContent::CalendarMethod, 1,
     ImageSetId::ReportMarks, nullptr},
    {nullptr, &AdvancedRows::temperature, AdvancedContent::Temperature, 7, ImageSetId::Icons,
     nullptr},
    {"Mucus", &AdvancedRows::mucus, AdvancedContent::Image, 1, ImageSetId::Status, Mucus},
    {"PMS", &AdvancedRows::pms, AdvancedContent::Image, 1, ImageSetId::Icons,
     WhenSet<&TDayRecord::PMS, icon::kSmilingFace>},
    {"Cramps", &AdvancedRows::cramps, AdvancedContent::Image, 1, ImageSetId::Icons,
     WhenSet<&TDayRecord::Cramping, icon::kLightning>},
    {"Protection", &AdvancedRows::protection, AdvancedContent::Image, 1, ImageSetId::Icons,
     WhenSet<&TDayRecord::Protect, icon::kRedSpiral>},
    {"Secret", &AdvancedRows::secret, AdvancedContent::Image, 1, ImageSetId::Icons,
     WhenSet<&TDayRecord::Secrets, icon::kFace>},
    {"Dr`s App.", &AdvancedRows::appointments, AdvancedContent::Image, 1, ImageSetId::Bells,
     WhenSet<&TDayRecord::Appointment, bell::kYellow>},
};

} // namespace

std::vector<AdvancedRow> AdvancedLayout(const AdvancedRows& options) {
    std::vector<AdvancedRow> layout;
    int top = 0;
    for (const RowKind& kind : kRowKinds) {
        if (kind.shown && !(options.*kind.shown))
            continue;
        layout.push_back({kind.caption, kind.content, top, kind.rows, kind.set, kind.imageOf});
        top += kind.rows;
    }
    return layout;
}

int AdvancedRowCount(const AdvancedRows& options) {
    const std::vector<AdvancedRow> layout = AdvancedLayout(options);
    return layout.back().top + layout.back().rows;
}

} // namespace lunea
