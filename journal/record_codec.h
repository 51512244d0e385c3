#pragma once
// One day record of the data file: 152 bytes, little-endian.
#include "common/data_file_layout.h"
#include "journal/day_table.h"

#include <array>
#include <cstdint>

namespace lunea {

using EncodedRecord = std::array<std::uint8_t, datafile::kRecordSize>;

// Padding and the note bytes beyond its length are written as zeros.
void EncodeDayRecord(const TDayRecord& day, std::uint16_t serial, std::uint8_t* out);
// Returns the record's day serial (0 = unused record) and fills day: the
// temperature rounded to two decimals, the note cut to 128 characters.
std::uint16_t DecodeDayRecord(const std::uint8_t* in, TDayRecord& day);

// round(celsius * 100) / 100, a half going to the even neighbour.
double RoundTemperature(double celsius);

} // namespace lunea
