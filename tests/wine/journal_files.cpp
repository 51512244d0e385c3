#include "tests/wine/journal_files.h"

#include "journal/record_codec.h"
#include "tests/wine/program_harness.h"

#include <windows.h>


namespace lunea::test {
namespace {

const char kSettingsKey[] = "Software\\Quorv\\LuneaDesktop";

} // namespace

std::string LocalDataFile() { return BinaryFolder() + "Lunea.dat"; }

Bytes EncodeRecords(const std::vector<DatedRecord>& records) {
    Bytes bytes(records.size() * datafile::kRecordSize);
    for (std::size_t i = 0; i < records.size(); ++i)
        EncodeDayRecord(records[i].day, static_cast<std::uint16_t>(DateToSerial(records[i].date)),
                        bytes.data() + i * datafile::kRecordSize);
    return bytes;
}

void DeleteSettingsKey() { RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey); }

std::string ReadSetting(const std::string& name) {
    char value[256] = {};
    DWORD size = sizeof value - 1;
    if (RegGetValueA(HKEY_CURRENT_USER, kSettingsKey, name.c_str(), RRF_RT_REG_SZ, nullptr, value,
                     &size) != ERROR_SUCCESS)
        return {};
    return value;
}

} // namespace lunea::test
