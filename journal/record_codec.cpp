#include "journal/record_codec.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace lunea {

using namespace datafile;

void EncodeDayRecord(const TDayRecord& day, std::uint16_t serial, std::uint8_t* out) {
    std::memset(out, 0, kRecordSize);
    WriteU16(out + kDateOffset, serial);
    out[kFlagOffset] = day.Flag;
    out[kStatusOffset] = day.Status;
    out[kAppointmentOffset] = day.Appointment;
    WriteDouble(out + kTemperatureOffset, day.Temperature);
    out[kPmsOffset] = day.PMS;
    out[kSexOffset] = day.Sex;
    out[kCrampingOffset] = day.Cramping;
    out[kSecretsOffset] = day.Secrets;
    out[kProtectOffset] = day.Protect;
    const std::size_t noteLength = std::min<std::size_t>(day.Note.Length, kNoteCapacity);
    out[kNoteLengthOffset] = static_cast<std::uint8_t>(noteLength);
    std::memcpy(out + kNoteTextOffset, day.Note.Chars.data(), noteLength);
}

std::uint16_t DecodeDayRecord(const std::uint8_t* in, TDayRecord& day) {
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
    day.Note.Length =
        static_cast<std::uint8_t>(std::min<std::size_t>(in[kNoteLengthOffset], kNoteCapacity));
    return ReadU16(in + kDateOffset);
}

double RoundTemperature(double celsius) {
    // nearbyint follows the current rounding mode, which is to-nearest-even.
    return std::nearbyint(celsius * 100.0) / 100.0;
}

} // namespace lunea
