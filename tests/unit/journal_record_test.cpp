#include "journal/record_codec.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <string>

namespace lunea {
namespace {

using namespace datafile;

TEST(JournalRecordCodec, EncodesEveryFieldAtItsOffsetLittleEndian) {
    TDayRecord day;
    day.Flag = 1;
    day.Status = 3;
    day.Appointment = 1;
    day.Temperature = 36.55;
    day.PMS = 1;
    day.Sex = 1;
    day.Cramping = 1;
    day.Secrets = 1;
    day.Protect = 1;
    day.Note.Assign("Line\r\nTwo");
    EncodedRecord raw;
    raw.fill(0xEE);
    EncodeDayRecord(day, 36526, raw.data());

    EXPECT_EQ(raw[0], 0xAE); // 36526 = 0x8EAE
    EXPECT_EQ(raw[1], 0x8E);
    EXPECT_EQ(raw[kFlagOffset], 1);
    EXPECT_EQ(raw[kStatusOffset], 3);
    EXPECT_EQ(raw[kAppointmentOffset], 1);
    EXPECT_EQ(raw[5] | raw[6] | raw[7] | raw[150] | raw[151], 0) << "padding is zeroed";
    EXPECT_EQ(ReadDouble(raw.data() + kTemperatureOffset), 36.55);
    for (std::size_t offset :
         {kPmsOffset, kSexOffset, kCrampingOffset, kSecretsOffset, kProtectOffset})
        EXPECT_EQ(raw[offset], 1) << offset;
    EXPECT_EQ(raw[kNoteLengthOffset], 9);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(raw.data() + kNoteTextOffset), 9),
              "Line\r\nTwo");
    EXPECT_EQ(raw[kNoteTextOffset + 9], 0) << "note bytes past the length are zeroed";

    TDayRecord back;
    EXPECT_EQ(DecodeDayRecord(raw.data(), back), 36526);
    EXPECT_EQ(back, day);
}

TEST(JournalRecordCodec, NoteLongerThanItsCapacityIsCut) {
    EncodedRecord raw{};
    raw[kNoteLengthOffset] = 200;
    for (std::size_t i = 0; i < kNoteCapacity; ++i)
        raw[kNoteTextOffset + i] = static_cast<std::uint8_t>('a' + i % 26);
    TDayRecord day;
    DecodeDayRecord(raw.data(), day);
    EXPECT_EQ(day.Note.Length, 128);
    EXPECT_EQ(day.Note.Text().substr(0, 3), "abc");

    day.Note.Assign(std::string(300, 'x'));
    EXPECT_EQ(day.Note.Length, 128);
}

TEST(JournalRecordCodec, TemperatureRoundsToHundredthsWithTiesToEven) {
    // Each tie is exact in binary (x.125, x.375, x.625, x.875 times 100 is a
    // whole number and a half), so the rule alone decides: to the even
    // hundredth, up or down.
    const std::pair<double, double> cases[] = {
        {36.666, 36.67}, {36.664, 36.66}, {36.125, 36.12}, {36.375, 36.38},
        {36.625, 36.62}, {36.875, 36.88}, {0.0, 0.0},      {37.5, 37.5},
    };
    for (const auto& [stored, loaded] : cases)
        EXPECT_EQ(RoundTemperature(stored), loaded) << stored;
    // Across both signs and past the end of the table of hundredths, to the bit.
    for (double value = -90.0; value < 90.0; value += 0.0009765625) { // exact steps
        const double expected = std::nearbyint(value * 100.0) / 100.0;
        ASSERT_EQ(std::bit_cast<std::uint64_t>(RoundTemperature(value)),
                  std::bit_cast<std::uint64_t>(expected))
            << value;
    }
    EXPECT_TRUE(std::isnan(RoundTemperature(std::numeric_limits<double>::quiet_NaN())));
}

TEST(JournalRecordCodec, WholeNumbersRoundAsTheLibraryDoes) {
    const double cases[] = {0.5,
                            1.5,
                            2.5,
                            -0.5,
                            -2.5,
                            -0.3,
                            0.49999999999999994,
                            3665.4999999999995,
                            4503599627370495.5,
                            4503599627370497.0,
                            -4503599627370495.5,
                            1e300,
                            -1e300,
                            std::numeric_limits<double>::denorm_min(),
                            std::numeric_limits<double>::infinity(),
                            -std::numeric_limits<double>::infinity()};
    for (const double value : cases) {
        const double expected = std::nearbyint(value);
        EXPECT_EQ(RoundToWhole(value), expected) << value;
        EXPECT_EQ(std::signbit(RoundToWhole(value)), std::signbit(expected)) << value;
    }
    EXPECT_TRUE(std::isnan(RoundToWhole(std::numeric_limits<double>::quiet_NaN())));
    for (double value = -100000.0; value < 100000.0; value += 0.37109375) // exact steps
        ASSERT_EQ(RoundToWhole(value), std::nearbyint(value)) << value;
}

TEST(JournalDayHasData, EachObservationCountsAndATemperatureOnlyAboveOne) {
    TDayRecord day;
    EXPECT_FALSE(DayHasData(day));
    day.Temperature = 1.0;
    EXPECT_FALSE(DayHasData(day)) << "a temperature counts only above 1.0";
    day.Temperature = 1.01;
    EXPECT_TRUE(DayHasData(day));

    auto counts = [](auto change) {
        TDayRecord record;
        change(record);
        return DayHasData(record);
    };
    EXPECT_TRUE(counts([](TDayRecord& r) { r.Status = 4; }));
    EXPECT_TRUE(counts([](TDayRecord& r) { r.Appointment = 1; }));
    EXPECT_TRUE(counts([](TDayRecord& r) { r.PMS = 1; }));
    EXPECT_TRUE(counts([](TDayRecord& r) { r.Sex = 1; }));
    EXPECT_TRUE(counts([](TDayRecord& r) { r.Cramping = 1; }));
    EXPECT_TRUE(counts([](TDayRecord& r) { r.Secrets = 1; }));
    EXPECT_TRUE(counts([](TDayRecord& r) { r.Protect = 1; }));
    EXPECT_TRUE(counts([](TDayRecord& r) { r.Note.Assign("x"); }));
    EXPECT_TRUE(counts([](TDayRecord& r) { r.Flag = 1; }));
}

} // namespace
} // namespace lunea
