#include "provider/device_packet.h"

namespace lunea::provider {

std::optional<DevicePacket> ParseDevicePacket(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kDevicePacketHeaderSize ||
        (bytes.size() - kDevicePacketHeaderSize) % kDeviceRecordSize != 0 ||
        datafile::ReadU16(bytes.data()) != kDevicePacketSignature)
        return std::nullopt;
    return DevicePacket{bytes.first<kDevicePacketHeaderSize>(),
                        bytes.subspan(kDevicePacketHeaderSize)};
}

std::optional<std::size_t> CountDesktopRecords(std::size_t fileLength) {
    if (fileLength % datafile::kRecordSize != 0)
        return std::nullopt;
    return fileLength / datafile::kRecordSize;
}

} // namespace lunea::provider
