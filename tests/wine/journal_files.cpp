#include "tests/wine/journal_files.h"

#include "journal/record_codec.h"
#include "tests/wine/program_harness.h"

#include <windows.h>

#include <fstream>
#include <iterator>

namespace lunea::test {
namespace {

const char kSettingsKey[] = "Software\\Quorv\\LuneaDesktop";

} // namespace

std::string LocalDataFile() { return BinaryFolder() + "Lunea.dat"; }

Bytes ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool WriteFileBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

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
