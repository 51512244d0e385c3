#pragma once
// Writing the CSV export to the file the user chose.

#include "journal/day_table.h"

#include <optional>
#include <string>

namespace lunea {

// The file is replaced in one step, with the regional settings' decimal
// separator. Nothing when written, else the system's reason.
std::optional<std::string> ExportCsv(const DayTable& days, const std::string& path);

} // namespace lunea
