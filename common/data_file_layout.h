#pragma once
// The 152-byte record of the data file "Lunea.dat", shared by the desktop
// program and the sync provider: offsets and little-endian field access.
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace lunea::datafile {

inline constexpr std::size_t kRecordSize = 152;
inline constexpr std::size_t kNoteCapacity = 128;

inline constexpr std::size_t kDateOffset = 0;        // u16 day serial, 0 = unused
inline constexpr std::size_t kFlagOffset = 2;        // u8
inline constexpr std::size_t kStatusOffset = 3;      // u8
inline constexpr std::size_t kAppointmentOffset = 4; // u8
inline constexpr std::size_t kTemperatureOffset = 8; // IEEE double, Celsius
inline constexpr std::size_t kPmsOffset = 16;        // u8
inline constexpr std::size_t kSexOffset = 17;        // u8
inline constexpr std::size_t kCrampingOffset = 18;   // u8
inline constexpr std::size_t kSecretsOffset = 19;    // u8
inline constexpr std::size_t kProtectOffset = 20;    // u8
inline constexpr std::size_t kNoteLengthOffset = 21; // u8, 0..128
inline constexpr std::size_t kNoteTextOffset = 22;   // 128 bytes

inline std::uint16_t ReadU16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
inline void WriteU16(std::uint8_t* p, std::uint16_t value) {
    p[0] = static_cast<std::uint8_t>(value);
    p[1] = static_cast<std::uint8_t>(value >> 8);
}
inline std::uint32_t ReadU32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
inline void WriteU32(std::uint8_t* p, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(value >> (8 * i));
}
inline double ReadDouble(const std::uint8_t* p) {
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i)
        bits = (bits << 8) | p[i];
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}
inline void WriteDouble(std::uint8_t* p, double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    for (int i = 0; i < 8; ++i)
        p[i] = static_cast<std::uint8_t>(bits >> (8 * i));
}
inline float ReadFloat(const std::uint8_t* p) {
    const std::uint32_t bits = ReadU32(p);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}
inline void WriteFloat(std::uint8_t* p, float value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    WriteU32(p, bits);
}

} // namespace lunea::datafile
