#include "journal/record_codec.h"

#include <algorithm>
#include <cstring>

namespace lunea {

using namespace datafile;

constinit const std::array<double, 8192> kHundredths = [] {
    std::array<double, 8192> table{};
    for (std::size_t k = 0; k < table.size(); ++k)
        table[k] = static_cast<double>(k) / 100.0;
    return table;
}();

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

} // namespace lunea
