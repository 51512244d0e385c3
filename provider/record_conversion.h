#pragma once
// Conversions between the data file's 152-byte record and the device's
// 144-byte record.
#include "provider/device_day_record.h"

#include <cstdint>

namespace lunea::provider {

// Days between 30 December 1899 (the data file's epoch) and 1 January 1904
// (the device's).
inline constexpr std::uint32_t kDeviceEpochOffset = 1462;

// The data file's Date of a device day: the day number's low 16 bits plus
// the epoch offset. Above 65535 it is no Date a record can hold, so such a
// day matches no record; a record built from it keeps the sum's low 16 bits.
std::uint32_t DesktopDateOfDay(std::uint32_t dayNumber);

// A fresh data-file record (zero apart from the fields) with Flag 0.
DesktopRecordBytes DeviceToDesktop(DeviceRecordView device);
// A fresh device record (zero apart from the fields) with DeviceFlag 0.
DeviceRecordBytes DesktopToDevice(DesktopRecordView desktop);

// Temperature × 1000 rounded once to double, truncated toward zero. NaN and
// values outside the 32-bit range give INT32_MIN, as the x86 truncating
// conversion does.
std::int32_t ThousandthsOfDegree(double celsius);
// The device's temperature: thousandths of a degree scaled by the single
// 0.001 (bit pattern 0x3A83126F) and rounded to single.
float DeviceTemperature(double celsius);

} // namespace lunea::provider
