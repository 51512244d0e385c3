#include "reports/report_file_name.h"

#include <cstdio>

namespace lunea {

std::string ReportBitmapName(CivilDate firstCycleStart) {
    char name[64];
    std::snprintf(name, sizeof name, "Cycle%d.%d.%04d.bmp", firstCycleStart.day,
                  firstCycleStart.month, firstCycleStart.year);
    return name;
}

} // namespace lunea
