#include "provider/record_conversion.h"

#include "provider_test_records.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <limits>
#include <string>

namespace lunea::provider {
namespace {

using namespace testing;

std::array<std::uint8_t, 4> TemperatureBytesSent(double celsius) {
    const DeviceRecordBytes device = DesktopToDevice(MakeDesktopRecord({.Temperature = celsius}));
    return {device[8], device[9], device[10], device[11]};
}

TEST(DesktopToDevice, TemperatureGoesThroughWholeThousandthsAndTheSingleScale) {
    EXPECT_EQ(TemperatureBytesSent(36.6), (std::array<std::uint8_t, 4>{0x67, 0x66, 0x12, 0x42}));
    EXPECT_EQ(DeviceTemperature(36.6), 36.60000228881836f);
    EXPECT_NE(DeviceTemperature(36.6), 36.6f);
    EXPECT_EQ(DeviceTemperature(37.0), 37.0f);
    EXPECT_EQ(ThousandthsOfDegree(36.55), 36550);
    EXPECT_EQ(ThousandthsOfDegree(36.5999), 36599);
    EXPECT_EQ(ThousandthsOfDegree(-36.5999), -36599);
    EXPECT_EQ(DeviceTemperature(0.0), 0.0f);
}

TEST(DesktopToDevice, TemperaturesBeyondThirtyTwoBitsDoNotOverflow) {
    constexpr std::int32_t kIndefinite = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(ThousandthsOfDegree(2147483.647), 2147483647);
    EXPECT_EQ(ThousandthsOfDegree(2147483.648), kIndefinite);
    EXPECT_EQ(ThousandthsOfDegree(-2147483.648), kIndefinite);
    EXPECT_EQ(ThousandthsOfDegree(1e300), kIndefinite);
    EXPECT_EQ(ThousandthsOfDegree(std::numeric_limits<double>::quiet_NaN()), kIndefinite);
    EXPECT_EQ(ThousandthsOfDegree(-std::numeric_limits<double>::infinity()), kIndefinite);
}

TEST(DesktopToDevice, FieldsDayNumberAndNote) {
    const DeviceRecordBytes device =
        DesktopToDevice(MakeDesktopRecord({.Date = kJan1Date,
                                           .Flag = 1,
                                           .Status = 6,
                                           .Appointment = 1,
                                           .PMS = 1,
                                           .Sex = 1,
                                           .Cramping = 1,
                                           .Secrets = 1,
                                           .Protect = 1,
                                           .Note = std::string(128, 'n')}));
    const DeviceDayRecord record = DecodeDeviceDayRecord(device);
    EXPECT_EQ(record.DayNumber, kJan1Day);
    EXPECT_EQ(record.DeviceFlag, 0);
    EXPECT_EQ(record.Status, 6);
    for (std::uint8_t field : {record.Appointment, record.PMS, record.Sex, record.Cramping,
                               record.Secrets, record.Protect})
        EXPECT_EQ(field, 1);
    EXPECT_EQ(std::string(record.Note.data()), std::string(127, 'n'));

    DesktopRecordBytes shortNote = MakeDesktopRecord({.Note = "tea"});
    shortNote[datafile::kNoteTextOffset + 3] = 'X'; // beyond the length: not sent
    EXPECT_EQ(std::string(DecodeDeviceDayRecord(DesktopToDevice(shortNote)).Note.data()), "tea");

    DesktopRecordBytes corrupt = MakeDesktopRecord({.Note = std::string(128, 'c')});
    corrupt[datafile::kNoteLengthOffset] = 255;
    EXPECT_EQ(std::string(DecodeDeviceDayRecord(DesktopToDevice(corrupt)).Note.data()).size(),
              127u);
}

TEST(DeviceToDesktop, BuildsAFreshRecordWithFlagZero) {
    DeviceDayRecord fields;
    fields.DayNumber = 0xABCD0000u + kJan1Day; // only the low 16 bits count
    fields.DeviceFlag = 1;
    fields.Status = 5;
    fields.Appointment = 1;
    fields.PMS = 1;
    fields.Temperature = 36.6f;
    fields.Sex = 1;
    fields.Cramping = 1;
    fields.Secrets = 1;
    fields.Protect = 1;
    fields.Note = {'h', 'i', '\0', 'x'};
    const DesktopRecordBytes desktop = DeviceToDesktop(EncodeDeviceDayRecord(fields));
    EXPECT_EQ(desktop, MakeDesktopRecord({.Date = kJan1Date,
                                          .Flag = 0,
                                          .Status = 5,
                                          .Appointment = 1,
                                          .Temperature = double{36.6f},
                                          .PMS = 1,
                                          .Sex = 1,
                                          .Cramping = 1,
                                          .Secrets = 1,
                                          .Protect = 1,
                                          .Note = "hi"}));
}

TEST(DeviceToDesktop, NoteWithoutNulKeepsAll128Characters) {
    DeviceDayRecord fields;
    fields.Note.fill('z');
    const DesktopRecordBytes desktop = DeviceToDesktop(EncodeDeviceDayRecord(fields));
    EXPECT_EQ(desktop[datafile::kNoteLengthOffset], 128);
    EXPECT_EQ(desktop[datafile::kNoteTextOffset + 127], 'z');
}

TEST(EmptinessTests, EveryObservationCountsButDateAndFlagsDoNot) {
    EXPECT_TRUE(IsEmptyDesktopRecord(MakeDesktopRecord({.Date = 40000, .Flag = 1})));
    EXPECT_TRUE(IsEmptyDesktopRecord(MakeDesktopRecord({.Temperature = -0.0})));
    for (const DesktopDay& day :
         {DesktopDay{.Status = 1}, DesktopDay{.Appointment = 1}, DesktopDay{.Temperature = 0.5},
          DesktopDay{.PMS = 1}, DesktopDay{.Sex = 1}, DesktopDay{.Cramping = 1},
          DesktopDay{.Secrets = 1}, DesktopDay{.Protect = 1}, DesktopDay{.Note = "n"}})
        EXPECT_FALSE(IsEmptyDesktopRecord(MakeDesktopRecord(day)));

    DeviceRecordBytes device = MakeDeviceRecord(kJan1Day);
    device[kDeviceFlagOffset] = 1;
    device[kDeviceNoteOffset + 1] = 'x'; // after the terminating NUL
    EXPECT_TRUE(IsEmptyDeviceRecord(device));
    for (std::size_t offset :
         {kDeviceStatusOffset, kDeviceAppointmentOffset, kDevicePmsOffset, kDeviceSexOffset,
          kDeviceCrampingOffset, kDeviceSecretsOffset, kDeviceProtectOffset, kDeviceNoteOffset,
          kDeviceTemperatureOffset + 3}) {
        DeviceRecordBytes filled = MakeDeviceRecord(kJan1Day);
        filled[offset] = 0x40;
        EXPECT_FALSE(IsEmptyDeviceRecord(filled)) << offset;
    }
}

} // namespace
} // namespace lunea::provider
