#include "app/control_ids.h"
#include "common/desktop_contract.h"
#include "tests/wine/calendar_driver.h"
#include "tests/wine/journal_files.h"
#include "tests/wine/program_harness.h"
#include "tests/wine/sync_exchange_fixture.h"

#include "provider/device_day_record.h"
#include "tests/synchost/host_files.h"

namespace lunea::test {
namespace {

const CivilDate kDesktopDay = {2010, 6, 15};
const CivilDate kDeviceDay = {2011, 1, 2};

class SyncWithCalendar : public SyncExchange {
  protected:
    void SetUp() override {
        SyncExchange::SetUp();
        ForgetProgramState();
        // The partnership's journal is the one the running program shows.
        const std::string folder = BinaryFolder();
        UseDataFolderValue(folder.substr(0, folder.size() - 1));
    }
    void TearDown() override {
        ForgetProgramState();
        SyncExchange::TearDown();
    }
};

TEST_F(SyncWithCalendar, ProgramSavesBeforeTheReadAndReloadsAfterTheWrite) {
    TDayRecord edited;
    edited.Status = 3;
    edited.Flag = 1;
    WriteFileBytes(LocalDataFile(), EncodeRecords({{kDesktopDay, edited}}));
    CalendarProcess calendar;
    HWND window = calendar.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    // Only the program's own save, asked for before the read, brings the day back.
    WriteFileBytes(LocalDataFile(), {});

    const auto deviceDay = DeviceDay(DateToSerial(kDeviceDay));
    ASSERT_EQ(Synchronise(DevicePacketOf({DeviceRecord(deviceDay, 2)})), 0) << Log();

    const auto received = Received();
    ASSERT_TRUE(received.has_value()) << Log();
    ASSERT_EQ(received->size(), provider::kDeviceRecordSize);
    const auto sent = provider::DecodeDeviceDayRecord(
        provider::DeviceRecordView(received->data(), provider::kDeviceRecordSize));
    EXPECT_EQ(sent.DayNumber, DeviceDay(DateToSerial(kDesktopDay)));
    EXPECT_EQ(sent.Status, 3);

    // The reload replaced the table with the merged file: the program's next
    // save holds both days, each with its edit mark cleared.
    ASSERT_TRUE(calendar.WaitUntilIdle());
    DWORD_PTR result = 0;
    ASSERT_TRUE(SendMessageTimeoutA(window, messages::kSaveJournal, 0, 0, SMTO_ABORTIFHUNG, 15000,
                                    &result));
    TDayRecord merged = edited;
    merged.Flag = 0;
    TDayRecord fromDevice;
    fromDevice.Status = 2;
    EXPECT_EQ(ReadFileBytes(LocalDataFile()),
              EncodeRecords({{kDesktopDay, merged}, {kDeviceDay, fromDevice}}));
}

// The provider clears every Flag it writes: a day whose only marks are
// Protect (set on the desktop) or Secret (set on the device) must be kept
// by the program's next save for its own sake.
TEST_F(SyncWithCalendar, ADayMarkedOnlyProtectedOrSecretOutlivesTheSaveAfterASynchronisation) {
    CalendarProcess calendar;
    const HWND window = calendar.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    const CalendarDriver driver(window);
    driver.ShowMonth(2019, 12);
    driver.ClickDay(2019, 12, 5);
    driver.Click(ids::ProtectBox);

    provider::DeviceDayRecord secret;
    secret.DayNumber = DeviceDay(DateToSerial(kDeviceDay));
    secret.Secrets = 1;
    ASSERT_EQ(Synchronise(DevicePacketOf({provider::EncodeDeviceDayRecord(secret)})), 0) << Log();
    ASSERT_TRUE(calendar.WaitUntilIdle());
    ASSERT_TRUE(driver.Save());

    TDayRecord protectedDay;
    protectedDay.Protect = 1;
    TDayRecord secretDay;
    secretDay.Secrets = 1;
    EXPECT_EQ(ReadFileBytes(LocalDataFile()),
              EncodeRecords({{kDeviceDay, secretDay}, {{2019, 12, 5}, protectedDay}}));
}

// One partnership key, its folder given through an environment variable:
// the program opens the very file the provider wrote.
TEST_F(SyncWithCalendar, ProgramAndProviderPickTheSameFileForAnExpandableFolder) {
    char temp[MAX_PATH] = {};
    const DWORD tempLength = GetTempPathA(MAX_PATH, temp);
    ASSERT_TRUE(tempLength > 0 && data_.Path().starts_with(temp));
    const std::string folder = data_.Path().substr(tempLength);
    const std::string value = "%TEMP%\\" + folder.substr(0, folder.size() - 1);
    SetPartnershipValue(kPartner, REG_EXPAND_SZ, value.c_str(),
                        static_cast<DWORD>(value.size() + 1));
    ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, synchost::PartnershipKeyPath(kPartner).c_str(),
                              "DisplayName", REG_SZ, "Same", 5),
              ERROR_SUCCESS);
    WriteSetting("LastUser", "PPC - Same");

    const auto deviceDay = DeviceDay(DateToSerial(kDeviceDay));
    ASSERT_EQ(Synchronise(DevicePacketOf({DeviceRecord(deviceDay, 2)})), 0) << Log();
    ASSERT_EQ(FileRecords().size(), 1u) << Log();

    CalendarProcess calendar;
    const HWND window = calendar.WaitForMainWindow();
    ASSERT_NE(window, nullptr);
    const CalendarDriver driver(window);
    EXPECT_EQ(driver.Text(ids::UsersButton), "PPC - Same");
    driver.ShowMonth(kDeviceDay.year, kDeviceDay.month);
    driver.ClickDay(kDeviceDay.year, kDeviceDay.month, kDeviceDay.day);
    EXPECT_TRUE(driver.Checked(ids::StatusRadio2)) << "the provider's day shows";
}

} // namespace
} // namespace lunea::test
