#include "provider/device_exchange.h"

#include <new>

namespace lunea::provider {

std::optional<MergeResult> ExchangeJournal(std::span<const std::uint8_t> dataFileBytes,
                                           std::span<const std::uint8_t> devicePacketBytes) {
    if (!CountDesktopRecords(dataFileBytes.size()))
        return std::nullopt;
    const std::optional<DevicePacket> packet = ParseDevicePacket(devicePacketBytes);
    if (!packet)
        return std::nullopt;
    try {
        return MergeRecords(dataFileBytes, packet->records);
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

} // namespace lunea::provider
