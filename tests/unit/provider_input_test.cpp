#include "provider/device_exchange.h"

#include "provider_test_records.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lunea::provider {
namespace {

using namespace testing;

std::vector<std::uint8_t> Packet(std::size_t length, std::uint16_t word = kDevicePacketSignature) {
    std::vector<std::uint8_t> bytes(length, 0x11);
    if (length >= 2)
        datafile::WriteU16(bytes.data(), word);
    return bytes;
}

TEST(ParseDevicePacket, AcceptsAHeaderFollowedByWholeRecords) {
    const std::vector<std::uint8_t> headerOnly = Packet(130);
    const auto empty = ParseDevicePacket(headerOnly);
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->RecordCount(), 0u);
    EXPECT_EQ(empty->header.data(), headerOnly.data());

    const std::vector<std::uint8_t> two = Packet(130 + 2 * 144);
    const auto parsed = ParseDevicePacket(two);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->RecordCount(), 2u);
    EXPECT_EQ(parsed->records.data(), two.data() + 130);
}

TEST(ParseDevicePacket, RejectsShortUnevenOrWronglySignedPackets) {
    EXPECT_FALSE(ParseDevicePacket(Packet(0)));
    EXPECT_FALSE(ParseDevicePacket(Packet(129)));
    EXPECT_FALSE(ParseDevicePacket(Packet(131)));
    EXPECT_FALSE(ParseDevicePacket(Packet(130 + 143)));
    EXPECT_FALSE(ParseDevicePacket(Packet(130 + 144, 1134)));
    EXPECT_FALSE(ParseDevicePacket(Packet(130, 0x6D04)));
}

TEST(CountDesktopRecords, OnlyWholeRecordsAreAccepted) {
    EXPECT_EQ(CountDesktopRecords(0), 0u);
    EXPECT_EQ(CountDesktopRecords(152), 1u);
    EXPECT_EQ(CountDesktopRecords(152 * 7305), 7305u);
    EXPECT_FALSE(CountDesktopRecords(153));
    EXPECT_FALSE(CountDesktopRecords(151));
}

TEST(ExchangeJournal, StopsOnABadFileOrPacketAndMergesOtherwise) {
    const std::vector<std::uint8_t> file = Join({MakeDesktopRecord({.Flag = 1, .Status = 2})});
    std::vector<std::uint8_t> packet = Packet(130);
    const DeviceRecordBytes device = MakeDeviceRecord(kJan1Day + 1, 3);
    packet.insert(packet.end(), device.begin(), device.end());

    std::vector<std::uint8_t> longFile = file;
    longFile.push_back(0);
    EXPECT_FALSE(ExchangeJournal(longFile, packet));
    std::vector<std::uint8_t> badPacket = packet;
    badPacket[0] = 0x6E; // 1134
    EXPECT_FALSE(ExchangeJournal(file, badPacket));

    const auto result = ExchangeJournal(file, packet);
    ASSERT_TRUE(result);
    const MergeResult expected = MergeRecords(file, Join({device}));
    EXPECT_EQ(result->newFile, expected.newFile);
    EXPECT_EQ(result->outgoing, expected.outgoing);
    EXPECT_EQ(result->newFile.size(), 2 * datafile::kRecordSize);
}

TEST(BuildDataFilePath, FolderRules) {
    EXPECT_EQ(BuildDataFilePath(std::nullopt, "C:\\Users\\a\\AppData"), "C:\\Lunea.dat");
    EXPECT_EQ(BuildDataFilePath("D:\\Journal", "unused"), "D:\\Journal\\Lunea.dat");
    EXPECT_EQ(BuildDataFilePath("\\Partner 1", "C:\\AppData"), "C:\\AppData\\Partner 1\\Lunea.dat");
    EXPECT_EQ(BuildDataFilePath("\\P", "C:\\AppData\\\\"), "C:\\AppData\\\\P\\Lunea.dat");
}

std::vector<std::uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

TEST(DataFolderFromValueBytes, ReadsWithinTheBufferWhateverTheValueHolds) {
    EXPECT_EQ(DataFolderFromValueBytes(Bytes(std::string("D:\\J\0junk", 9))), "D:\\J");
    EXPECT_EQ(DataFolderFromValueBytes({}), "");
    // A number or a string stored without its NUL ends with the data.
    EXPECT_EQ(DataFolderFromValueBytes(std::vector<std::uint8_t>{0x41, 0x42, 0x43, 0x44}), "ABCD");
    // 519 characters and their NUL fill the buffer exactly.
    EXPECT_EQ(DataFolderFromValueBytes(Bytes(std::string(519, 'a') + '\0')), std::string(519, 'a'));
    // A full buffer without a NUL is cut to make room for the terminator.
    EXPECT_EQ(DataFolderFromValueBytes(Bytes(std::string(520, 'b'))), std::string(519, 'b'));
    EXPECT_FALSE(DataFolderFromValueBytes(Bytes(std::string(521, 'c'))));
}

} // namespace
} // namespace lunea::provider
