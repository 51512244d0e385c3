#pragma once
// Data files and registry state the whole-program tests prepare and check.
#include "journal/day_table.h"
#include "tests/wine/test_files.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace lunea::test {

using Bytes = std::vector<std::uint8_t>;

// The data file beside the program: the local user's journal.
std::string LocalDataFile();

// One encoded 152-byte record per (date, record), in the order given.
struct DatedRecord {
    CivilDate date;
    TDayRecord day;
};
Bytes EncodeRecords(const std::vector<DatedRecord>& records);

// HKEY_CURRENT_USER\Software\Quorv\LuneaDesktop, removed with its values.
void DeleteSettingsKey();
// No journal beside the program, no copies of it and no settings: how a
// first start finds it.
void ForgetProgramState();

// A test that starts from a first start's state and leaves nothing behind.
class FirstStartTest : public ::testing::Test {
  protected:
    void SetUp() override { ForgetProgramState(); }
    void TearDown() override { ForgetProgramState(); }
};
// A string value of that key; empty when missing.
std::string ReadSetting(const std::string& name);
// Writes a string value into that key, creating the key when missing.
void WriteSetting(const std::string& name, const std::string& value);

} // namespace lunea::test
