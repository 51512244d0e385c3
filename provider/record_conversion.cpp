#include "provider/record_conversion.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <limits>

namespace lunea::provider {

using namespace datafile;

namespace {

constexpr float kDeviceTemperatureScale = std::bit_cast<float>(std::uint32_t{0x3A83126F});
constexpr std::size_t kMaxNoteSentToDevice = kDeviceNoteSize - 1;

// The one-byte observations both records carry unchanged.
struct ByteField {
    std::size_t desktop;
    std::size_t device;
};
constexpr ByteField kSameByteFields[] = {
    {kStatusOffset, kDeviceStatusOffset},     {kAppointmentOffset, kDeviceAppointmentOffset},
    {kPmsOffset, kDevicePmsOffset},           {kSexOffset, kDeviceSexOffset},
    {kCrampingOffset, kDeviceCrampingOffset}, {kSecretsOffset, kDeviceSecretsOffset},
    {kProtectOffset, kDeviceProtectOffset},
};

} // namespace

std::uint32_t DesktopDateOfDay(std::uint32_t dayNumber) {
    return (dayNumber & 0xFFFFu) + kDeviceEpochOffset;
}

std::int32_t ThousandthsOfDegree(double celsius) {
    // 1000 has seven significant bits, so the exact product has at most 60
    // and fits the x87's 64-bit mantissa: whatever precision the calling
    // thread left set (extended or double), storing the product into a
    // double rounds it exactly once, as the SSE unit does.
    volatile double product = celsius * 1000.0;
    const double thousandths = product;
    constexpr double kLimit = 2147483648.0;
    if (!(thousandths > -kLimit - 1.0 && thousandths < kLimit))
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(thousandths);
}

float DeviceTemperature(double celsius) {
    volatile float scaled =
        static_cast<float>(ThousandthsOfDegree(celsius)) * kDeviceTemperatureScale;
    return scaled;
}

DesktopRecordBytes DeviceToDesktop(DeviceRecordView device) {
    DesktopRecordBytes desktop{};
    WriteU16(&desktop[kDateOffset],
             static_cast<std::uint16_t>(DesktopDateOfDay(ReadU32(&device[kDayNumberOffset]))));
    for (const ByteField& field : kSameByteFields)
        desktop[field.desktop] = device[field.device];
    WriteDouble(&desktop[kTemperatureOffset],
                static_cast<double>(ReadFloat(&device[kDeviceTemperatureOffset])));
    const auto note = device.subspan<kDeviceNoteOffset, kDeviceNoteSize>();
    const auto length =
        static_cast<std::size_t>(std::find(note.begin(), note.end(), 0) - note.begin());
    desktop[kNoteLengthOffset] = static_cast<std::uint8_t>(length);
    std::memcpy(&desktop[kNoteTextOffset], note.data(), length);
    return desktop;
}

DeviceRecordBytes DesktopToDevice(DesktopRecordView desktop) {
    DeviceRecordBytes device{};
    WriteU32(&device[kDayNumberOffset],
             std::uint32_t{ReadU16(&desktop[kDateOffset])} - kDeviceEpochOffset);
    for (const ByteField& field : kSameByteFields)
        device[field.device] = desktop[field.desktop];
    WriteFloat(&device[kDeviceTemperatureOffset],
               DeviceTemperature(ReadDouble(&desktop[kTemperatureOffset])));
    // The device's note field needs room for its terminating NUL, already zero.
    const std::size_t length =
        std::min<std::size_t>(desktop[kNoteLengthOffset], kMaxNoteSentToDevice);
    std::memcpy(&device[kDeviceNoteOffset], &desktop[kNoteTextOffset], length);
    return device;
}

} // namespace lunea::provider
