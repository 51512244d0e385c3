#pragma once
// The journal as semicolon-separated text: a header, then one line per
// recorded day in date order, for other programs to read.

#include "common/file_system.h"
#include "journal/day_table.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lunea {

inline constexpr char kCsvHeader[] =
    "Date DD.MM.YYYY;Flag;Status;Appointment;Temperature;PMS;Sex;Cramping;Secrets;Protect;Note";

// One day's line without its line end: eleven fields, the date without
// leading zeros, the temperature in Celsius with the given decimal
// separator, the note in double quotes (a quote in it doubled).
std::string CsvLine(CivilDate date, const TDayRecord& day, char decimalSeparator);

// The whole file: 8-bit text, CR LF after every line, no byte-order mark.
std::vector<std::uint8_t> CsvFile(const DayTable& days, char decimalSeparator);

// Writes the file at path, replacing it in one step, so a failed export
// leaves whatever stood under that name. Nothing when written, else the
// system's reason.
std::optional<std::string> WriteCsvFile(FileSystem& files, const DayTable& days,
                                        char decimalSeparator, const std::string& path);

} // namespace lunea
