#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace lunea::synchost {

inline constexpr char kPartnersKey[] = "Software\\Microsoft\\Windows CE Services\\Partners";

inline std::string PartnershipKeyPath(const std::string& partnerId) {
    return std::string(kPartnersKey) + "\\" + partnerId;
}

// The device's packet from a file; no file name gives a packet without
// records.
bool ReadDevicePacket(const std::string& file, std::vector<std::uint8_t>& packet);
bool WriteWholeFile(const std::string& file, const void* data, std::size_t size);

} // namespace lunea::synchost
