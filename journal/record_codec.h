#pragma once
// One day record of the data file: 152 bytes, little-endian.
#include "common/data_file_layout.h"
#include "journal/day_table.h"

#include <array>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace lunea {

using EncodedRecord = std::array<std::uint8_t, datafile::kRecordSize>;

// Padding and the note bytes beyond its length are written as zeros.
void EncodeDayRecord(const TDayRecord& day, std::uint16_t serial, std::uint8_t* out);
// The nearest whole number, a half going to the even one, as nearbyint in
// the default rounding mode gives it, without the library call that
// dominated a load: adding and taking away 2^52 leaves no fraction bits, so
// the addition itself rounds. That holds only where doubles are computed as
// doubles (not in x87 extended precision).
inline double RoundToWhole(double value) {
#if FLT_EVAL_METHOD == 0
    constexpr double kNoFractionBits = 4503599627370496.0; // 2^52
    const double magnitude = std::fabs(value);
    if (!(magnitude < kNoFractionBits))
        return value; // already whole, infinite or NaN
    return std::copysign((magnitude + kNoFractionBits) - kNoFractionBits, value);
#else
    return std::nearbyint(value);
#endif
}

// round(celsius * 100) / 100, a half going to the even neighbour.
inline double RoundTemperature(double celsius) {
    return RoundToWhole(celsius * 100.0) / 100.0;
}

// Returns the record's day serial (0 = unused record) and fills day: the
// temperature rounded to two decimals, the note cut to 128 characters.
// Inline: a load runs it for every record.
inline std::uint16_t DecodeDayRecord(const std::uint8_t* in, TDayRecord& day) {
    using namespace datafile;
    day.Flag = in[kFlagOffset];
    day.Status = in[kStatusOffset];
    day.Appointment = in[kAppointmentOffset];
    day.Temperature = RoundTemperature(ReadDouble(in + kTemperatureOffset));
    day.PMS = in[kPmsOffset];
    day.Sex = in[kSexOffset];
    day.Cramping = in[kCrampingOffset];
    day.Secrets = in[kSecretsOffset];
    day.Protect = in[kProtectOffset];
    // The whole note area: a fixed-size copy is much cheaper than one of the
    // note's length, and the characters past the length carry no meaning.
    std::memcpy(day.Note.Chars.data(), in + kNoteTextOffset, kNoteCapacity);
    day.Note.Length = in[kNoteLengthOffset] < kNoteCapacity
                          ? in[kNoteLengthOffset]
                          : static_cast<std::uint8_t>(kNoteCapacity);
    return ReadU16(in + kDateOffset);
}

} // namespace lunea
