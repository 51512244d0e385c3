#pragma once
// Shape checks of the two inputs of an exchange: the device's packet and the
// data file's bytes.
#include "provider/device_day_record.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace lunea::provider {

inline constexpr std::size_t kDevicePacketHeaderSize = 130;
inline constexpr std::uint16_t kDevicePacketSignature = 1133;

// A parsed DevicePacket. It views the bytes it was parsed from, which must
// outlive it.
struct DevicePacket {
    std::span<const std::uint8_t, kDevicePacketHeaderSize> header;
    std::span<const std::uint8_t> records; // RecordCount() × 144 bytes
    std::size_t RecordCount() const { return records.size() / kDeviceRecordSize; }
};

// Nothing when the packet is shorter than its header, when the bytes after
// the header are not whole records, or when the first word is not 1133.
std::optional<DevicePacket> ParseDevicePacket(std::span<const std::uint8_t> bytes);

// The number of records of a data file of this length; nothing when the
// length is not a whole number of 152-byte records.
std::optional<std::size_t> CountDesktopRecords(std::size_t fileLength);

} // namespace lunea::provider
