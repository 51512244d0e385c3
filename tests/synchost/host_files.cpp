#include "tests/synchost/host_files.h"

#include <fstream>
#include <iterator>

namespace lunea::synchost {

bool ReadDevicePacket(const std::string& file, std::vector<std::uint8_t>& packet) {
    if (file.empty()) {
        packet.assign(130, 0);
        packet[0] = 1133 & 0xFF;
        packet[1] = 1133 >> 8;
        return true;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return false;
    packet.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool WriteWholeFile(const std::string& file, const void* data, std::size_t size) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
    return static_cast<bool>(out);
}

} // namespace lunea::synchost
