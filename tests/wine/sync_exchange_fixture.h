#pragma once
// A partnership whose data folder is a scratch folder, and one run of the
// stand-in sync host against it with a given device packet.
#include "tests/wine/sync_harness.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lunea::test {

class SyncExchange : public ::testing::Test {
  protected:
    static constexpr char kPartner[] = "LuneaTest";

    void SetUp() override;
    void TearDown() override;

    // Runs one synchronisation; the host's exit code.
    int Synchronise(const std::vector<std::uint8_t>& packet,
                    std::vector<std::string> extraArguments = {});
    // Points the partnership at the data folder (the default).
    void UseDataFolderValue(const std::string& value);

    std::string DataFile() const { return data_.File("Lunea.dat"); }
    std::optional<std::vector<std::uint8_t>> Received() const {
        return ReadFileBytes(io_.File("received.bin"));
    }
    std::string Log() const;
    std::vector<DayFields> FileRecords() const;

    ScratchFolder data_;
    ScratchFolder io_;
};

} // namespace lunea::test
