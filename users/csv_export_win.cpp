#include "users/csv_export_win.h"

#include "common/file_system.h"
#include "users/csv_export.h"

#include <windows.h>

namespace lunea {
namespace {

// The regional settings' decimal separator; "." when they cannot be read.
char DecimalSeparator() {
    char separator[8] = {};
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, sizeof separator) < 2)
        return '.';
    return separator[0];
}

} // namespace

std::optional<std::string> ExportCsv(const DayTable& days, const std::string& path) {
    const std::unique_ptr<FileSystem> files = MakePlatformFileSystem();
    return WriteCsvFile(*files, days, DecimalSeparator(), path);
}

} // namespace lunea
