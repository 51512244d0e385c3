// The stand-in sync host killed at random moments of its exchanges: the
// partner's data file is always the whole old file or the whole merged one,
// and an exchange that runs to its end leaves no temporary file of the
// killed ones.
#include "common/day_serial.h"
#include "provider/device_exchange.h"
#include "tests/wine/sync_exchange_fixture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>

namespace lunea::test {
namespace {

constexpr int kKills = 100;

// Long enough a file that the write takes a while: two years of days, every
// fourth changed on the desktop, and a device that changed every tenth.
struct Exchange {
    std::vector<std::uint8_t> file;
    std::vector<std::uint8_t> packet;
};

Exchange TwoBusyYears() {
    Exchange exchange;
    std::vector<provider::DeviceRecordBytes> deviceDays;
    const std::int32_t first = DateToSerial({2018, 1, 1});
    for (std::int32_t serial = first; serial < first + 730; ++serial) {
        const auto status = static_cast<std::uint8_t>(serial % 7);
        const auto record = DesktopRecord(serial, serial % 4 == 0, status, 36.5, "desk");
        exchange.file.insert(exchange.file.end(), record.begin(), record.end());
        if (serial % 10 == 0)
            deviceDays.push_back(DeviceRecord(DeviceDay(serial), 4, 36.7f, "device"));
    }
    exchange.packet = DevicePacketOf(deviceDays);
    return exchange;
}

TEST_F(SyncExchange, AHostKilledAtAnyMomentLeavesTheWholeOldOrTheWholeNewFile) {
    const Exchange exchange = TwoBusyYears();
    const auto merged = provider::ExchangeJournal(exchange.file, exchange.packet);
    ASSERT_TRUE(merged);
    // Registered once: a kill during registration is not what is tested here.
    WriteFileBytes(DataFile(), exchange.file);
    ASSERT_EQ(Synchronise(exchange.packet), 0);
    ASSERT_EQ(ReadFileBytes(DataFile()), merged->newFile);
    const std::vector<std::string> arguments = {"--no-register", "--partner", kPartner, "--packet",
                                                io_.File("packet.bin")};

    // The longest life: a whole exchange, timed.
    WriteFileBytes(DataFile(), exchange.file);
    const DWORD started = GetTickCount();
    ASSERT_EQ(RunSyncHost(arguments), 0);
    const DWORD wholeRun = GetTickCount() - started + 1;

    std::mt19937 random(20261208);
    int kills = 0, oldFiles = 0, newFiles = 0, torn = 0, lost = 0;
    while (kills < kKills) {
        WriteFileBytes(DataFile(), exchange.file);
        const win::UniqueHandle host = StartSyncHost(arguments);
        ASSERT_TRUE(host);
        // A host that ended before its moment came is not counted as killed.
        if (!WaitHandlingMessages(host.Get(), random() % wholeRun))
            kills += TerminateProcess(host.Get(), 99) != 0;
        ASSERT_TRUE(WaitHandlingMessages(host.Get(), 20000));
        const auto onDisk = ReadFileBytes(DataFile());
        if (!onDisk)
            ++lost;
        else if (*onDisk == exchange.file)
            ++oldFiles;
        else if (*onDisk == merged->newFile)
            ++newFiles;
        else
            ++torn;
    }
    std::printf("sync host killed %d times (a whole run takes %lu ms): %d old files, %d new, "
                "%d torn, %d lost\n",
                kills, static_cast<unsigned long>(wholeRun), oldFiles, newFiles, torn, lost);
    RecordProperty("kills", kills);
    EXPECT_EQ(torn, 0);
    EXPECT_EQ(lost, 0);

    WriteFileBytes(DataFile(), exchange.file);
    ASSERT_EQ(RunSyncHost(arguments), 0);
    EXPECT_EQ(ReadFileBytes(DataFile()), merged->newFile);
    EXPECT_EQ(data_.FileNames(), std::vector<std::string>{"Lunea.dat"})
        << "the exchange removed what the killed ones left";
}

} // namespace
} // namespace lunea::test
