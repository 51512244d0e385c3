#include "provider/device_exchange.h"

#include "provider_test_records.h"

#include <gtest/gtest.h>

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

    // The desktop's day goes to the device and stays with its Flag cleared;
    // the device's new day is appended.
    const auto result = ExchangeJournal(file, packet);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->newFile, Join({MakeDesktopRecord({.Status = 2}),
                                     MakeDesktopRecord({.Date = kJan1Date + 1, .Status = 3})}));
    EXPECT_EQ(result->outgoing, Join({MakeDeviceRecord(kJan1Day, 2)}));
}

} // namespace
} // namespace lunea::provider
