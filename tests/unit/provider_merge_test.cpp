#include "provider/merge_records.h"

#include "provider_test_records.h"

#include <gtest/gtest.h>

namespace lunea::provider {
namespace {

using namespace testing;

MergeResult Merge(std::initializer_list<DesktopRecordBytes> desktop,
                  std::initializer_list<DeviceRecordBytes> device) {
    return MergeRecords(Join(desktop), Join(device));
}

DeviceRecordBytes WithDeviceFlag(DeviceRecordBytes record, std::uint8_t flag) {
    record[kDeviceFlagOffset] = flag;
    return record;
}

// Status and Flag of every record of a merged file, in file order.
struct DayState {
    std::uint16_t Date;
    std::uint8_t Status;
    std::uint8_t Flag;
    friend bool operator==(const DayState&, const DayState&) = default;
};
std::vector<DayState> FileDays(const MergeResult& result) {
    std::vector<DayState> days;
    for (const DesktopRecordBytes& record : SplitDesktop(result.newFile))
        days.push_back(
            {DateOf(record), record[datafile::kStatusOffset], record[datafile::kFlagOffset]});
    return days;
}

// Day number and Status of every outgoing record, in block order.
std::vector<std::pair<std::uint32_t, std::uint8_t>> SentDays(const MergeResult& result) {
    std::vector<std::pair<std::uint32_t, std::uint8_t>> days;
    for (const DeviceDayRecord& record : SplitDevice(result.outgoing)) {
        EXPECT_EQ(record.DeviceFlag, 0);
        days.emplace_back(record.DayNumber, record.Status);
    }
    return days;
}

constexpr std::uint16_t D = kJan1Date;
constexpr std::uint32_t Day = kJan1Day;

TEST(MergeRecordsPassOne, DayMissingFromTheFileIsEchoedWhenEmptyAndAppendedOtherwise) {
    const DeviceRecordBytes empty = WithDeviceFlag(MakeDeviceRecord(Day + 5), 9);
    const DeviceRecordBytes filled = MakeDeviceRecord(Day + 6, 2, "device");
    const MergeResult result =
        Merge({MakeDesktopRecord({.Date = D, .Status = 1})}, {empty, filled});

    EXPECT_EQ(FileDays(result), (std::vector<DayState>{{D, 1, 0}, {D + 6, 2, 0}}));
    const auto appended = SplitDesktop(result.newFile).back();
    EXPECT_EQ(appended, DeviceToDesktop(filled));
    EXPECT_EQ(SentDays(result), (decltype(SentDays(result)){{Day + 5, 0}, {Day, 1}}));
}

TEST(MergeRecordsPassOne, NonEmptyDeviceRecordReplacesEvenADayEditedOnTheDesktop) {
    DeviceDayRecord fields;
    fields.DayNumber = Day;
    fields.Status = 2;
    fields.Temperature = 36.5f;
    const DeviceRecordBytes device = EncodeDeviceDayRecord(fields);
    const MergeResult result = Merge(
        {MakeDesktopRecord({.Date = D, .Flag = 1, .Status = 4, .Note = "desktop"})}, {device});

    ASSERT_EQ(SplitDesktop(result.newFile).size(), 1u);
    EXPECT_EQ(SplitDesktop(result.newFile)[0], DeviceToDesktop(device));
    const auto sent = SplitDevice(result.outgoing);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].Status, 2);
    EXPECT_EQ(sent[0].Temperature, 36.5f);
    EXPECT_EQ(sent[0].Note[0], '\0');
}

TEST(MergeRecordsPassOne, EmptyDeviceRecordDeletesADayUneditedOrEmptyOnTheDesktop) {
    const DeviceRecordBytes empty = WithDeviceFlag(MakeDeviceRecord(Day), 5);
    for (const DesktopDay& day :
         {DesktopDay{.Date = D, .Flag = 0, .Status = 3}, DesktopDay{.Date = D, .Flag = 1}}) {
        const MergeResult result = Merge({MakeDesktopRecord(day)}, {empty});
        EXPECT_TRUE(result.newFile.empty());
        EXPECT_EQ(result.outgoing, Join({WithDeviceFlag(empty, 0)}));
    }
}

TEST(MergeRecordsPassOne, EmptyDeviceRecordLeavesAnEditedDayWithDataToBeSent) {
    const MergeResult result =
        Merge({MakeDesktopRecord({.Date = D, .Flag = 1, .Status = 3})}, {MakeDeviceRecord(Day)});
    EXPECT_EQ(FileDays(result), (std::vector<DayState>{{D, 3, 0}}));
    EXPECT_EQ(SentDays(result), (decltype(SentDays(result)){{Day, 3}}));
}

TEST(MergeRecordsPassTwo, WithoutDeviceRecordsEveryDayIsSentAndEmptyDaysLeaveTheFile) {
    const MergeResult result = Merge({MakeDesktopRecord({.Date = D, .Flag = 1, .Status = 2}),
                                      MakeDesktopRecord({.Date = D + 1, .Flag = 1}),
                                      MakeDesktopRecord({.Date = D + 2, .Temperature = 36.6})},
                                     {});
    EXPECT_EQ(FileDays(result), (std::vector<DayState>{{D, 2, 0}, {D + 2, 0, 0}}));
    EXPECT_EQ(SentDays(result), (decltype(SentDays(result)){{Day, 2}, {Day + 1, 0}, {Day + 2, 0}}));
}

TEST(MergeRecordsResults, EchoesPrecedeSentDaysAndAddedDaysFollowTheFileInDeviceOrder) {
    const MergeResult result = Merge({MakeDesktopRecord({.Date = D, .Status = 1}),
                                      MakeDesktopRecord({.Date = D + 1, .Flag = 1, .Status = 1}),
                                      MakeDesktopRecord({.Date = D + 2, .Status = 1})},
                                     {MakeDeviceRecord(Day + 20, 6), MakeDeviceRecord(Day + 30),
                                      MakeDeviceRecord(Day + 10, 5), MakeDeviceRecord(Day + 31),
                                      MakeDeviceRecord(Day + 1, 4)});

    EXPECT_EQ(FileDays(result),
              (std::vector<DayState>{
                  {D, 1, 0}, {D + 1, 4, 0}, {D + 2, 1, 0}, {D + 20, 6, 0}, {D + 10, 5, 0}}));
    EXPECT_EQ(SentDays(result),
              (decltype(SentDays(result)){
                  {Day + 30, 0}, {Day + 31, 0}, {Day, 1}, {Day + 1, 4}, {Day + 2, 1}}));
}

TEST(MergeRecordsResults, KeptRecordsPassThroughWholeExceptTheirFlag) {
    DesktopRecordBytes record =
        MakeDesktopRecord({.Date = D, .Flag = 1, .Status = 2, .Note = "ab"});
    for (std::size_t offset : {5u, 6u, 7u, 30u, 149u, 150u, 151u})
        record[offset] = 0xA5;
    const MergeResult result = Merge({record}, {});
    record[datafile::kFlagOffset] = 0;
    EXPECT_EQ(result.newFile, Join({record}));
}

TEST(MergeRecordsDuplicates, SecondDeviceRecordOfADayAlsoFindsTheFirstDesktopRecord) {
    const MergeResult result = Merge(
        {MakeDesktopRecord({.Date = D, .Status = 1}), MakeDesktopRecord({.Date = D, .Status = 4})},
        {MakeDeviceRecord(Day, 2), MakeDeviceRecord(Day, 5)});
    EXPECT_EQ(FileDays(result), (std::vector<DayState>{{D, 5, 0}, {D, 4, 0}}));
    EXPECT_EQ(SentDays(result), (decltype(SentDays(result)){{Day, 5}, {Day, 4}}));
}

TEST(MergeRecordsDuplicates, OnlyTheLowSixteenBitsOfTheDayNumberMatch) {
    const MergeResult result =
        Merge({MakeDesktopRecord({.Date = D, .Status = 1})}, {MakeDeviceRecord(Day + 0x10000, 3)});
    EXPECT_EQ(FileDays(result), (std::vector<DayState>{{D, 3, 0}}));
}

TEST(MergeRecordsDuplicates, ADayBeyondTheLastSixteenBitDateMatchesNoRecord) {
    // 0xFFFF + 1462 exceeds every Date; the record dated with its wrapped
    // value stays and is sent, the empty device record is echoed.
    const std::uint16_t wrapped = 0xFFFF + kDeviceEpochOffset - 0x10000;
    const MergeResult result =
        Merge({MakeDesktopRecord({.Date = wrapped, .Status = 1})}, {MakeDeviceRecord(0xFFFF)});
    EXPECT_EQ(FileDays(result), (std::vector<DayState>{{wrapped, 1, 0}}));
    EXPECT_EQ(SentDays(result),
              (decltype(SentDays(result)){{0xFFFF, 0}, {wrapped - kDeviceEpochOffset, 1}}));
}

// A day the device sends twice: the later record wins, and the day is never
// lost on both sides.
TEST(MergeRecordsReplacedDay, EmptyThenNonEmptyKeepsTheDayAndSendsItAfterTheEcho) {
    const DeviceRecordBytes empty = MakeDeviceRecord(Day);
    const DeviceRecordBytes filled = MakeDeviceRecord(Day, 2, "x");
    const MergeResult result =
        Merge({MakeDesktopRecord({.Date = D, .Status = 1})}, {empty, filled});

    ASSERT_EQ(SplitDesktop(result.newFile).size(), 1u);
    EXPECT_EQ(SplitDesktop(result.newFile)[0], DeviceToDesktop(filled));
    EXPECT_EQ(result.outgoing, Join({empty, filled}));
}

TEST(MergeRecordsReplacedDay, NonEmptyThenEmptyDropsTheDayAndEchoesTheEmptyRecord) {
    const DeviceRecordBytes empty = MakeDeviceRecord(Day);
    const MergeResult result = Merge({MakeDesktopRecord({.Date = D, .Flag = 1, .Status = 1})},
                                     {MakeDeviceRecord(Day, 2), empty});
    EXPECT_TRUE(result.newFile.empty());
    EXPECT_EQ(result.outgoing, Join({empty}));
}

} // namespace
} // namespace lunea::provider
