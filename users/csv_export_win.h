#pragma once
// Writing the CSV export to the file the user chose.

#include "journal/day_table.h"

#include <string>

namespace lunea {

struct CsvExportResult {
    enum Outcome { Written, NotCreated, Failed } outcome = NotCreated;
    std::string failureText; // the system's, when Failed
};

// The file is replaced in one step, so a failed export leaves whatever stood
// under that name; NotCreated when it could not even be started there.
CsvExportResult ExportCsv(const DayTable& days, const std::string& path);

} // namespace lunea
