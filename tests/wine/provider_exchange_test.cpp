// Whole exchanges through the stand-in sync host: the provider registered,
// created through COM, fed a device packet, its data file and what it sends
// checked afterwards.
#include "common/data_file_layout.h"
#include "common/day_serial.h"
#include "provider/record_conversion.h"
#include "tests/wine/sync_exchange_fixture.h"
#include "tests/wine/sync_stand_ins.h"

#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>

namespace lunea::test {
namespace {

using provider::kDeviceRecordSize;

const std::int32_t kMay1 = DateToSerial({2010, 5, 1});
const std::int32_t kMay2 = kMay1 + 1;
const std::int32_t kMay3 = kMay1 + 2;
const std::int32_t kMay4 = kMay1 + 3;
const std::int32_t kMay5 = kMay1 + 4;

provider::DeviceDayRecord SentRecord(const std::vector<std::uint8_t>& block, std::size_t index) {
    return provider::DecodeDeviceDayRecord(
        provider::DeviceRecordView(block.data() + index * kDeviceRecordSize, kDeviceRecordSize));
}

TEST_F(SyncExchange, MergesTheDeviceIntoThePreparedFileAndSendsTheDesktopsDays) {
    WriteFileBytes(DataFile(), Concatenate({DesktopRecord(kMay1, 1, 2, 36.6, "desk"), // edited here
                                            DesktopRecord(kMay2, 0, 1),    // deleted there
                                            DesktopRecord(kMay3, 1, 3),    // edited on both
                                            DesktopRecord(kMay4, 1, 0)})); // cleared here
    const auto packet = DevicePacketOf({DeviceRecord(DeviceDay(kMay2), 0),
                                        DeviceRecord(DeviceDay(kMay3), 5, 36.5f, "dev"),
                                        DeviceRecord(DeviceDay(kMay5), 4)});
    ASSERT_EQ(Synchronise(packet), 0);

    const auto file = FileRecords();
    ASSERT_EQ(file.size(), 3u);
    EXPECT_EQ(file[0].serial, kMay1);
    EXPECT_EQ(file[0].status, 2);
    EXPECT_EQ(file[0].note, "desk");
    EXPECT_EQ(file[1].serial, kMay3);
    EXPECT_EQ(file[1].status, 5) << "the device's day replaces the desktop's";
    EXPECT_EQ(file[1].temperature, 36.5);
    EXPECT_EQ(file[1].note, "dev");
    EXPECT_EQ(file[2].serial, kMay5) << "a day new to the file goes to its end";
    for (const auto& day : file)
        EXPECT_EQ(day.flag, 0);

    const auto sent = Received();
    ASSERT_TRUE(sent);
    ASSERT_EQ(sent->size(), 4 * kDeviceRecordSize);
    EXPECT_EQ(SentRecord(*sent, 0).DayNumber, DeviceDay(kMay2)) << "the echo comes first";
    EXPECT_EQ(SentRecord(*sent, 1).DayNumber, DeviceDay(kMay1));
    EXPECT_EQ(SentRecord(*sent, 2).DayNumber, DeviceDay(kMay3));
    EXPECT_EQ(SentRecord(*sent, 2).Status, 5);
    EXPECT_EQ(SentRecord(*sent, 3).DayNumber, DeviceDay(kMay4));
    EXPECT_TRUE(provider::IsEmptyDeviceRecord(
        provider::DeviceRecordView(sent->data() + 3 * kDeviceRecordSize, kDeviceRecordSize)));
    // 36.6 travels as thousandths scaled by the single 0.001.
    const std::uint8_t expectedTemperature[] = {0x67, 0x66, 0x12, 0x42};
    EXPECT_EQ(std::memcmp(sent->data() + kDeviceRecordSize + 8, expectedTemperature, 4), 0);

    EXPECT_EQ(Log(), "query 4 partnership opened\nquery 5 receive 562 bytes\n"
                     "query 5 send 576 bytes\n");
    EXPECT_EQ(data_.FileNames(), std::vector<std::string>{"Lunea.dat"})
        << "no temporary file is left behind";
}

// The device sends one day twice, first cleared, then with data: the later
// record wins on both sides, so the day is neither dropped nor lost.
TEST_F(SyncExchange, ADayClearedThenFilledOnTheDeviceIsKept) {
    WriteFileBytes(DataFile(), DesktopRecord(kMay1, 0, 2));
    DeviceModel device;
    device.Edit(DeviceRecord(DeviceDay(kMay1), 0));
    device.Edit(DeviceRecord(DeviceDay(kMay1), 4, 36.5f));
    ASSERT_EQ(Synchronise(device.Packet()), 0);
    const auto file = FileRecords();
    ASSERT_EQ(file.size(), 1u);
    EXPECT_EQ(file[0].status, 4);
    ASSERT_TRUE(Received());
    ASSERT_EQ(Received()->size(), 2 * kDeviceRecordSize) << "the echo, then the day";
    device.Apply(*Received());
    ASSERT_EQ(device.Days().size(), 1u);
    EXPECT_EQ(device.Days().begin()->second[5], 4);
}

TEST_F(SyncExchange, AMissingDataFileIsCreatedAndFilledFromTheDevice) {
    ASSERT_EQ(Synchronise(DevicePacketOf({DeviceRecord(DeviceDay(kMay5), 4, 36.75f)})), 0);
    const auto file = FileRecords();
    ASSERT_EQ(file.size(), 1u);
    EXPECT_EQ(file[0].serial, kMay5);
    EXPECT_EQ(file[0].temperature, 36.75);
    ASSERT_TRUE(Received());
    EXPECT_EQ(Received()->size(), 0u) << "an empty block is sent all the same";
}

TEST_F(SyncExchange, ABadPacketOrABadFileChangesNothingAndSendsNothing) {
    const auto original = Concatenate({DesktopRecord(kMay1, 1, 2)});
    WriteFileBytes(DataFile(), original);
    ASSERT_EQ(Synchronise(DevicePacketOf({DeviceRecord(DeviceDay(kMay5), 4)}, 1134)), 0);
    EXPECT_EQ(ReadFileBytes(DataFile()), original);
    EXPECT_FALSE(Received());

    auto torn = original;
    torn.push_back(0); // 153 bytes: not whole records
    WriteFileBytes(DataFile(), torn);
    ASSERT_EQ(Synchronise(DevicePacketOf({})), 0);
    EXPECT_EQ(ReadFileBytes(DataFile()), torn);
    EXPECT_FALSE(Received());
    EXPECT_EQ(Log(), "query 4 partnership opened\n") << "the packet is not even asked for";
}

// The host's length field is its word, the block's size the system's: a
// claim beyond the block, even of 2^31 bytes or more, reads the block alone.
TEST_F(SyncExchange, ALengthFieldBeyondTheHostsBlockReadsOnlyTheBlock) {
    for (const char* claim : {"1000", "2147483648", "4294967295"}) {
        WriteFileBytes(DataFile(), Concatenate({DesktopRecord(kMay1, 1, 2)}));
        ASSERT_EQ(Synchronise(DevicePacketOf({DeviceRecord(DeviceDay(kMay5), 4)}),
                              {"--claim-size", claim}),
                  0)
            << claim;
        const auto file = FileRecords();
        ASSERT_EQ(file.size(), 2u) << claim;
        EXPECT_EQ(file[1].serial, kMay5) << claim;
        ASSERT_TRUE(Received()) << claim;
        EXPECT_EQ(Received()->size(), kDeviceRecordSize) << claim;
    }
}

TEST_F(SyncExchange, ARefusedDeviceQueryEndsTheExchange) {
    ASSERT_EQ(Synchronise(DevicePacketOf({}), {"--fail-query", "4"}), 0);
    EXPECT_FALSE(ReadFileBytes(DataFile())) << "without a partnership no file is touched";
    EXPECT_FALSE(Received());

    const auto original = Concatenate({DesktopRecord(kMay1, 1, 2)});
    WriteFileBytes(DataFile(), original);
    ASSERT_EQ(Synchronise(DevicePacketOf({}), {"--fail-query", "5"}), 0);
    EXPECT_EQ(ReadFileBytes(DataFile()), original);
    EXPECT_FALSE(Received());
}

// The file is replaced in one step; a replacement that cannot happen leaves
// the old file whole, no temporary file, and the device without data.
TEST_F(SyncExchange, AFileThatCannotBeReplacedStaysWholeAndTheDeviceGetsNothing) {
    const auto original = Concatenate({DesktopRecord(kMay1, 1, 2), DesktopRecord(kMay2, 1, 3)});
    WriteFileBytes(DataFile(), original);
    // Another reader holds the file without letting it be deleted or renamed.
    win::UniqueHandle reader(CreateFileA(DataFile().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                         OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(reader);
    ASSERT_EQ(Synchronise(DevicePacketOf({DeviceRecord(DeviceDay(kMay5), 4)})), 0);
    reader.Reset();
    EXPECT_EQ(Log(), "query 4 partnership opened\nquery 5 receive 274 bytes\n")
        << "read and merged, then stopped at the replacement";
    EXPECT_EQ(ReadFileBytes(DataFile()), original);
    EXPECT_FALSE(Received());
    EXPECT_EQ(data_.FileNames(), std::vector<std::string>{"Lunea.dat"});
}

TEST_F(SyncExchange, OtherTemporaryFilesInTheFolderAreLeftAlone) {
    // Names a fixed-name writer (or the desktop program) might be using.
    for (const char* name : {"Lunea.tmp", "Lunea.dat.tmp", "lun0.tmp"})
        WriteFileBytes(data_.File(name), {1, 2, 3});
    win::UniqueHandle busy(CreateFileA(data_.File("Lunea.tmp").c_str(), GENERIC_WRITE, 0, nullptr,
                                       OPEN_EXISTING, 0, nullptr));
    ASSERT_EQ(Synchronise(DevicePacketOf({DeviceRecord(DeviceDay(kMay5), 4)})), 0);
    busy.Reset();
    EXPECT_EQ(FileRecords().size(), 1u);
    for (const char* name : {"Lunea.tmp", "Lunea.dat.tmp", "lun0.tmp"})
        EXPECT_EQ(ReadFileBytes(data_.File(name)), (std::vector<std::uint8_t>{1, 2, 3})) << name;
    EXPECT_EQ(data_.FileNames().size(), 4u);
}

// The desktop program would not find a data file there either: nothing is
// read or written, no packet is asked for, and drive C's root is left alone.
TEST_F(SyncExchange, ADataFolderThatNamesNoUsableFolderStopsTheExchange) {
    const std::string tooLong = data_.Path() + std::string(600, 'x');
    const std::string binary = data_.Path().substr(0, data_.Path().size() - 1);
    const std::string relative = "Tablet";
    const struct {
        const char* what;
        DWORD type;
        const std::string& value;
    } cases[] = {
        {"too long for the file calls", REG_SZ, tooLong},
        {"another type than text", REG_BINARY, binary},
        {"relative to the working directory", REG_SZ, relative},
    };
    DeleteFileA("C:\\Lunea.dat");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SetPartnershipValue(kPartner, c.type, c.value.c_str(),
                            static_cast<DWORD>(c.value.size() + 1));
        ASSERT_EQ(Synchronise(DevicePacketOf({DeviceRecord(DeviceDay(kMay5), 4)})), 0);
        EXPECT_EQ(Log(), "query 4 partnership opened\n");
        EXPECT_FALSE(Received());
        EXPECT_EQ(data_.FileNames().size(), 0u);
        EXPECT_FALSE(ReadFileBytes("C:\\Lunea.dat"));
    }
}

TEST_F(SyncExchange, ADataFolderStartingWithABackslashLiesInTheApplicationData) {
    char appData[MAX_PATH] = {};
    ASSERT_EQ(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, 0, appData), S_OK);
    const std::string folder = std::string(appData) + "\\LuneaSyncTest";
    CreateDirectoryA(folder.c_str(), nullptr);
    UseDataFolderValue("\\LuneaSyncTest");
    ASSERT_EQ(Synchronise(DevicePacketOf({DeviceRecord(DeviceDay(kMay5), 4)})), 0);
    const auto written = ReadFileBytes(folder + "\\Lunea.dat");
    DeleteFileA((folder + "\\Lunea.dat").c_str());
    RemoveDirectoryA(folder.c_str());
    ASSERT_TRUE(written);
    EXPECT_EQ(written->size(), datafile::kRecordSize);
}

// The device applies what it receives; after two synchronisations with edits
// on both sides in between, both hold the same days.
TEST_F(SyncExchange, TwoSynchronisationsLeaveDesktopAndDeviceAgreeing) {
    DeviceModel device;
    device.Edit(DeviceRecord(DeviceDay(kMay1), 2, 36.5f, "from the device"));
    device.Edit(DeviceRecord(DeviceDay(kMay2), 3));
    WriteFileBytes(DataFile(), Concatenate({DesktopRecord(kMay3, 1, 1, 37.0, "from the desk"),
                                            DesktopRecord(kMay4, 0, 6)}));
    ASSERT_EQ(Synchronise(device.Packet()), 0);
    ASSERT_TRUE(Received());
    device.Apply(*Received());

    // Between the two: the device clears a day, the desktop edits one.
    device.Edit(DeviceRecord(DeviceDay(kMay2), 0));
    auto file = *ReadFileBytes(DataFile());
    for (std::size_t at = 0; at < file.size(); at += datafile::kRecordSize) {
        if (datafile::ReadU16(&file[at]) == kMay4) {
            file[at + datafile::kFlagOffset] = 1;
            file[at + datafile::kStatusOffset] = 5;
        }
    }
    WriteFileBytes(DataFile(), file);
    ASSERT_EQ(Synchronise(device.Packet()), 0);
    ASSERT_TRUE(Received());
    device.Apply(*Received());

    file = *ReadFileBytes(DataFile());
    ASSERT_EQ(file.size() / datafile::kRecordSize, device.Days().size());
    for (std::size_t at = 0; at < file.size(); at += datafile::kRecordSize) {
        const auto asSent = provider::DesktopToDevice(
            provider::DesktopRecordView(file.data() + at, datafile::kRecordSize));
        const auto day = static_cast<std::uint16_t>(datafile::ReadU16(&file[at]) - 1462);
        ASSERT_TRUE(device.Days().contains(day)) << day;
        EXPECT_EQ(device.Days().at(day), asSent) << day;
    }
    EXPECT_FALSE(device.Days().contains(static_cast<std::uint16_t>(DeviceDay(kMay2))));
    EXPECT_EQ(device.Days().at(static_cast<std::uint16_t>(DeviceDay(kMay4)))[5], 5);
}

} // namespace
} // namespace lunea::test
