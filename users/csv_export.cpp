#include "users/csv_export.h"

#include "common/day_serial.h"
#include "common/replace_file.h"

#include <cstdio>

namespace lunea {
namespace {

// The general format with up to 15 significant digits; a foreign file's
// NaN or infinity comes out as one word, so the line keeps its fields.
std::string TemperatureText(double celsius, char decimalSeparator) {
    char text[64] = {};
    std::snprintf(text, sizeof text, "%.15G", celsius);
    std::string result = text;
    for (char& c : result)
        if (c == '.')
            c = decimalSeparator;
    return result;
}

std::string Quoted(std::string_view note) {
    std::string quoted = "\"";
    for (const char c : note) {
        quoted.push_back(c);
        if (c == '"')
            quoted.push_back('"');
    }
    quoted.push_back('"');
    return quoted;
}

} // namespace

std::string CsvLine(CivilDate date, const TDayRecord& day, char decimalSeparator) {
    std::string line = std::to_string(date.day) + "." + std::to_string(date.month) + "." +
                       std::to_string(date.year);
    const auto field = [&line](unsigned value) { line += ";" + std::to_string(value); };
    field(day.Flag);
    field(day.Status);
    field(day.Appointment);
    line += ";" + TemperatureText(day.Temperature, decimalSeparator);
    field(day.PMS);
    field(day.Sex);
    field(day.Cramping);
    field(day.Secrets);
    field(day.Protect);
    line += ";" + Quoted(day.Note.Text());
    return line;
}

std::vector<std::uint8_t> CsvFile(const DayTable& days, char decimalSeparator) {
    std::string text = std::string(kCsvHeader) + "\r\n";
    for (int year = DayTable::FirstYear; year <= DayTable::LastYear; ++year)
        for (int month = 1; month <= 12; ++month)
            for (int day = 1; day <= DaysInMonth(year, month); ++day) {
                const TDayRecord& record = days.At(year, month, day);
                if (DayHasData(record))
                    text += CsvLine({year, month, day}, record, decimalSeparator) + "\r\n";
            }
    return {text.begin(), text.end()};
}

std::optional<std::string> WriteCsvFile(FileSystem& files, const DayTable& days,
                                        char decimalSeparator, const std::string& path) {
    if (!MayReplace(files, path))
        return files.LastErrorText();
    const ReplaceResult result = WriteFileReplacing(files, path, CsvFile(days, decimalSeparator));
    if (result.replaced)
        return std::nullopt;
    return result.failureText ? *result.failureText : files.LastErrorText();
}

} // namespace lunea
