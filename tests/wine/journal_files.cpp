#include "tests/wine/journal_files.h"

#include "common/desktop_contract.h"
#include "common/unique_win.h"
#include "journal/record_codec.h"
#include "tests/wine/program_harness.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace lunea::test {
namespace {

const char kSettingsKey[] = "Software\\Quorv\\LuneaDesktop";

// The copies the program keeps beside the journal go with it.
void DeleteBackups() {
    const std::string folder = BinaryFolder() + "Backups\\";
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do
            DeleteFileA((folder + found.cFileName).c_str());
        while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

} // namespace

std::string LocalDataFile() {
    return BinaryFolder() + kDataFileName;
}

Bytes EncodeRecords(const std::vector<DatedRecord>& records) {
    Bytes bytes(records.size() * datafile::kRecordSize);
    for (std::size_t i = 0; i < records.size(); ++i)
        EncodeDayRecord(records[i].day, static_cast<std::uint16_t>(DateToSerial(records[i].date)),
                        bytes.data() + i * datafile::kRecordSize);
    return bytes;
}

void DeleteSettingsKey() {
    RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey);
}

void ForgetProgramState() {
    DeleteFileA(LocalDataFile().c_str());
    DeleteBackups();
    DeleteSettingsKey();
}

std::string ReadSetting(const std::string& name) {
    char value[256] = {};
    DWORD size = sizeof value - 1;
    if (RegGetValueA(HKEY_CURRENT_USER, kSettingsKey, name.c_str(), RRF_RT_REG_SZ, nullptr, value,
                     &size) != ERROR_SUCCESS)
        return {};
    return value;
}

void WriteSetting(const std::string& name, const std::string& value) {
    win::UniqueRegKey key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_SET_VALUE,
                              nullptr, key.Put(), nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(key.Get(), name.c_str(), 0, REG_SZ,
                             reinterpret_cast<const BYTE*>(value.c_str()),
                             static_cast<DWORD>(value.size() + 1)),
              ERROR_SUCCESS);
}

} // namespace lunea::test
