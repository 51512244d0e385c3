// The exchange's two messages to a running desktop program, received here by
// a stand-in main window of this test process.
#include "common/desktop_contract.h"
#include "common/day_serial.h"
#include "tests/wine/sync_exchange_fixture.h"
#include "tests/wine/sync_stand_ins.h"

#include <gtest/gtest.h>

namespace lunea::test {
namespace {

const std::int32_t kMay1 = DateToSerial({2010, 5, 1});
const std::int32_t kMay2 = kMay1 + 1;

using SyncDesktopWindow = SyncExchange;

TEST_F(SyncDesktopWindow, SavesBeforeTheReadAndReloadsAfterTheWrite) {
    WriteFileBytes(DataFile(), DesktopRecord(kMay1, 0, 2));
    // On 1025 the desktop saves a day edited but not yet saved.
    std::optional<std::vector<std::uint8_t>> fileAtReload;
    DesktopWindowStandIn desktop(
        kApplicationTitle,
        [&] {
            WriteFileBytes(DataFile(), Concatenate({DesktopRecord(kMay1, 0, 2),
                                                    DesktopRecord(kMay2, 1, 3, 36.6)}));
        },
        [&] { fileAtReload = ReadFileBytes(DataFile()); });
    ASSERT_EQ(Synchronise(DevicePacketOf({})), 0);

    EXPECT_EQ(desktop.SaveMessages(), 1);
    EXPECT_EQ(desktop.ReloadMessages(), 1);
    const auto sent = Received();
    ASSERT_TRUE(sent);
    ASSERT_EQ(sent->size(), 2 * provider::kDeviceRecordSize) << "the saved day reached the device";
    EXPECT_EQ(FileRecords().size(), 2u);
    EXPECT_EQ(FileRecords()[1].flag, 0);
    EXPECT_EQ(fileAtReload, ReadFileBytes(DataFile())) << "the reload came after the write";
}

TEST_F(SyncDesktopWindow, AnExchangeFailingAfterTheReadSavesButDoesNotReload) {
    DesktopWindowStandIn desktop(kApplicationTitle);
    ASSERT_EQ(Synchronise(DevicePacketOf({}, 1134)), 0);
    EXPECT_EQ(desktop.SaveMessages(), 1);
    EXPECT_EQ(desktop.ReloadMessages(), 0);
    EXPECT_FALSE(Received());
}

// The window lookup ignores case; the provider must not.
TEST_F(SyncDesktopWindow, ACaptionDifferingOnlyInCaseGetsNoMessage) {
    DesktopWindowStandIn lookalike("lunea calendar");
    ASSERT_EQ(Synchronise(DevicePacketOf({})), 0);
    EXPECT_EQ(lookalike.SaveMessages(), 0);
    EXPECT_EQ(lookalike.ReloadMessages(), 0);
    EXPECT_TRUE(Received()) << "the exchange goes on without a desktop window";
}

TEST_F(SyncDesktopWindow, TheExactCaptionIsFoundBesideLookalikes) {
    DesktopWindowStandIn desktop(kApplicationTitle);
    // Created later, so a case-blind lookup would meet them first.
    DesktopWindowStandIn upper("LUNEA CALENDAR");
    DesktopWindowStandIn lower("lunea calendar");
    ASSERT_EQ(Synchronise(DevicePacketOf({})), 0);
    EXPECT_EQ(desktop.SaveMessages(), 1);
    EXPECT_EQ(desktop.ReloadMessages(), 1);
    for (const auto* other : {&upper, &lower}) {
        EXPECT_EQ(other->SaveMessages(), 0);
        EXPECT_EQ(other->ReloadMessages(), 0);
    }
}

} // namespace
} // namespace lunea::test
