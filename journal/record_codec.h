#pragma once
// One day record of the data file: 152 bytes, little-endian.
#include "common/data_file_layout.h"
#include "journal/day_table.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace lunea {

using EncodedRecord = std::array<std::uint8_t, datafile::kRecordSize>;

// Padding and the note bytes beyond its length are written as zeros.
void EncodeDayRecord(const TDayRecord& day, std::uint16_t serial, std::uint8_t* out);

// The smallest double without fraction bits: 2^52.
inline constexpr double kNoFractionBits = 4503599627370496.0;
// The nearest whole number, a half going to the even one, as nearbyint in
// the default rounding mode gives it, without the library call that
// dominated a load: adding and taking away 2^52 leaves no fraction bits, so
// the addition itself rounds. That holds only where doubles are computed as
// doubles (not in x87 extended precision).
inline double RoundToWhole(double value) {
#if FLT_EVAL_METHOD == 0
    const double magnitude = std::fabs(value);
    if (!(magnitude < kNoFractionBits))
        return value; // already whole, infinite or NaN
    return std::copysign((magnitude + kNoFractionBits) - kNoFractionBits, value);
#else
    return std::nearbyint(value);
#endif
}

// k / 100 for the whole numbers k below 8192 (up to 81.91 degrees): the
// division was what a load spent most on.
extern const std::array<double, 8192> kHundredths;

// round(celsius * 100) / 100, a half going to the even neighbour.
inline double RoundTemperature(double celsius) {
    const double hundredths = celsius * 100.0;
    const double magnitude = std::fabs(hundredths);
    // Below this the nearest whole number indexes the table; false for NaN.
    constexpr double kTableEnd = static_cast<double>(kHundredths.size()) - 0.5;
    if (!(magnitude < kTableEnd))
        return RoundToWhole(hundredths) / 100.0;
#if FLT_EVAL_METHOD == 0
    // The sum's mantissa is the magnitude rounded, by the addition itself.
    const std::uint64_t whole =
        std::bit_cast<std::uint64_t>(magnitude + kNoFractionBits) & 0xFFFFFFFFFFFFFull;
#else
    const auto whole = static_cast<std::uint64_t>(std::nearbyint(magnitude));
#endif
    return std::copysign(kHundredths[whole], hundredths);
}

// The file's record and the day's memory have the same size and, from the
// temperature on, the same places: a load reads the file straight into the
// table and turns each record into a day where it lies.
static_assert(sizeof(TDayRecord) == datafile::kRecordSize);
static_assert(offsetof(TDayRecord, Temperature) == datafile::kTemperatureOffset &&
              offsetof(TDayRecord, PMS) == datafile::kPmsOffset &&
              offsetof(TDayRecord, Sex) == datafile::kSexOffset &&
              offsetof(TDayRecord, Cramping) == datafile::kCrampingOffset &&
              offsetof(TDayRecord, Secrets) == datafile::kSecretsOffset &&
              offsetof(TDayRecord, Protect) == datafile::kProtectOffset &&
              offsetof(TDayRecord, Note) + offsetof(TDayNote, Length) ==
                  datafile::kNoteLengthOffset &&
              offsetof(TDayRecord, Note) + offsetof(TDayNote, Chars) == datafile::kNoteTextOffset);

// Returns the record's day serial (0 = unused record) and fills day: the
// temperature rounded to two decimals, the note cut to 128 characters. `in`
// may be the bytes of `day` itself. Inline: a load runs it for every record.
inline std::uint16_t DecodeDayRecord(const std::uint8_t* in, TDayRecord& day) {
    using namespace datafile;
    // The fields before the temperature move; read them before any write.
    std::uint8_t head[kTemperatureOffset];
    std::memcpy(head, in, sizeof head);
    if (in != reinterpret_cast<const std::uint8_t*>(&day))
        std::memcpy(&day, in, kRecordSize); // the note's characters past its length too
    day.Flag = head[kFlagOffset];
    day.Status = head[kStatusOffset];
    day.Appointment = head[kAppointmentOffset];
    day.Temperature = RoundTemperature(day.Temperature); // read from its own bytes
    if (day.Note.Length > kNoteCapacity)
        day.Note.Length = static_cast<std::uint8_t>(kNoteCapacity);
    return ReadU16(head + kDateOffset);
}

} // namespace lunea
