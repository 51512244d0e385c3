#pragma once
// The 144-byte day record the handheld sends and receives, and the emptiness
// tests both record kinds share in the exchange.
#include "common/data_file_layout.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace lunea::provider {

inline constexpr std::size_t kDeviceRecordSize = 144;
inline constexpr std::size_t kDeviceNoteSize = 128;

inline constexpr std::size_t kDayNumberOffset = 0;         // u32, days since 1 January 1904
inline constexpr std::size_t kDeviceFlagOffset = 4;        // u8, 0 on every record sent
inline constexpr std::size_t kDeviceStatusOffset = 5;      // u8
inline constexpr std::size_t kDeviceAppointmentOffset = 6; // u8
inline constexpr std::size_t kDevicePmsOffset = 7;         // u8
inline constexpr std::size_t kDeviceTemperatureOffset = 8; // IEEE single, Celsius
inline constexpr std::size_t kDeviceSexOffset = 12;        // u8
inline constexpr std::size_t kDeviceCrampingOffset = 13;   // u8
inline constexpr std::size_t kDeviceSecretsOffset = 14;    // u8
inline constexpr std::size_t kDeviceProtectOffset = 15;    // u8
inline constexpr std::size_t kDeviceNoteOffset = 16;       // 128 chars, NUL-terminated if shorter

using DeviceRecordView = std::span<const std::uint8_t, kDeviceRecordSize>;
using DeviceRecordBytes = std::array<std::uint8_t, kDeviceRecordSize>;
using DesktopRecordView = std::span<const std::uint8_t, datafile::kRecordSize>;
using DesktopRecordBytes = std::array<std::uint8_t, datafile::kRecordSize>;

// The device record's fields, for code that builds or inspects single
// records (the merge itself works on the bytes, so records it passes on keep
// every byte they came with).
struct DeviceDayRecord {
    std::uint32_t DayNumber = 0;
    std::uint8_t DeviceFlag = 0;
    std::uint8_t Status = 0;
    std::uint8_t Appointment = 0;
    std::uint8_t PMS = 0;
    float Temperature = 0.0f;
    std::uint8_t Sex = 0;
    std::uint8_t Cramping = 0;
    std::uint8_t Secrets = 0;
    std::uint8_t Protect = 0;
    std::array<char, kDeviceNoteSize> Note{};
};

DeviceRecordBytes EncodeDeviceDayRecord(const DeviceDayRecord& record);
DeviceDayRecord DecodeDeviceDayRecord(DeviceRecordView bytes);

// No observation: the seven one-byte fields 0, temperature 0.0, note starting
// with NUL. The day number and DeviceFlag do not count.
bool IsEmptyDeviceRecord(DeviceRecordView record);
// No observation: the seven one-byte fields and the note length 0,
// temperature 0.0. Date and Flag do not count.
bool IsEmptyDesktopRecord(DesktopRecordView record);

} // namespace lunea::provider
