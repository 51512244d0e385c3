#include "provider/merge_records.h"

#include "provider/record_conversion.h"

#include <algorithm>
#include <optional>

namespace lunea::provider {

using namespace datafile;

namespace {

enum DeviceMark : std::uint8_t { kDeviceUnmarked = 0, kEcho = 1, kAdd = 2 };
enum DesktopMark : std::uint8_t { kDesktopUnmarked = 0, kSend = 1, kDrop = 2 };

// The first desktop record of every Date, built once: each device record is
// matched in constant time, so the merge stays linear however long both
// sides are. 32-bit indexes keep the table small; no file that fits in
// memory holds 2^32 records of 152 bytes.
class DesktopDateIndex {
  public:
    explicit DesktopDateIndex(std::span<const std::uint8_t> records)
        : first_(std::size_t{1} << 16, kNoRecord) {
        // Walked backwards so that the first record of a date is the one kept.
        for (std::size_t i = records.size() / kRecordSize; i-- > 0;)
            first_[ReadU16(&records[i * kRecordSize + kDateOffset])] =
                static_cast<std::uint32_t>(i);
    }

    std::optional<std::size_t> FindDesktopRecord(std::uint32_t dayNumber) const {
        const std::uint32_t date = DesktopDateOfDay(dayNumber);
        if (date >= first_.size())
            return std::nullopt;
        const std::uint32_t index = first_[date];
        if (index == kNoRecord)
            return std::nullopt;
        return index;
    }

  private:
    static constexpr std::uint32_t kNoRecord = 0xFFFFFFFFu;
    std::vector<std::uint32_t> first_;
};

template <std::size_t N>
void Append(std::vector<std::uint8_t>& out, std::span<const std::uint8_t, N> bytes) {
    out.insert(out.end(), bytes.begin(), bytes.end());
}

} // namespace

MergeResult MergeRecords(std::span<const std::uint8_t> desktopRecords,
                         std::span<const std::uint8_t> deviceRecords) {
    const std::size_t desktopCount = desktopRecords.size() / kRecordSize;
    const std::size_t deviceCount = deviceRecords.size() / kDeviceRecordSize;
    MergeResult result;
    // The desktop records are merged in place inside the new file, which has
    // room for every device record being added.
    std::vector<std::uint8_t>& desktop = result.newFile;
    desktop.reserve((desktopCount + deviceCount) * kRecordSize);
    desktop.assign(desktopRecords.begin(), desktopRecords.begin() + desktopCount * kRecordSize);
    const auto desktopAt = [&desktop](std::size_t i) {
        return std::span<std::uint8_t, kRecordSize>(&desktop[i * kRecordSize], kRecordSize);
    };
    const auto deviceAt = [deviceRecords](std::size_t i) {
        return DeviceRecordView(&deviceRecords[i * kDeviceRecordSize], kDeviceRecordSize);
    };
    std::vector<std::uint8_t> deviceMarks(deviceCount, kDeviceUnmarked);
    std::vector<std::uint8_t> desktopMarks(desktopCount, kDesktopUnmarked);
    const DesktopDateIndex index(desktop);

    for (std::size_t d = 0; d < deviceCount; ++d) {
        const DeviceRecordView device = deviceAt(d);
        const bool deviceEmpty = IsEmptyDeviceRecord(device);
        const std::optional<std::size_t> j =
            index.FindDesktopRecord(ReadU32(&device[kDayNumberOffset]));
        if (!j) {
            deviceMarks[d] = deviceEmpty ? kEcho : kAdd;
            continue;
        }
        const auto record = desktopAt(*j);
        if (!deviceEmpty) {
            const DesktopRecordBytes replacement = DeviceToDesktop(device);
            std::copy(replacement.begin(), replacement.end(), record.begin());
            // An earlier empty record of the same day may have marked it
            // DROP; the device's later data win, so the day goes to pass 2
            // and is kept and sent instead of being lost on both sides.
            desktopMarks[*j] = kDesktopUnmarked;
        } else if (record[kFlagOffset] == 0 || IsEmptyDesktopRecord(record)) {
            deviceMarks[d] = kEcho;
            desktopMarks[*j] = kDrop;
        }
    }

    std::size_t echoed = 0;
    std::size_t sent = 0;
    for (std::size_t x = 0; x < desktopCount; ++x) {
        if (desktopMarks[x] != kDesktopUnmarked)
            continue;
        const auto record = desktopAt(x);
        record[kFlagOffset] = 0;
        desktopMarks[x] = IsEmptyDesktopRecord(record) ? kSend | kDrop : kSend;
        ++sent;
    }
    for (std::uint8_t mark : deviceMarks)
        echoed += mark == kEcho;

    result.outgoing.reserve((echoed + sent) * kDeviceRecordSize);
    for (std::size_t d = 0; d < deviceCount; ++d) {
        if (deviceMarks[d] != kEcho)
            continue;
        Append<kDeviceRecordSize>(result.outgoing, deviceAt(d));
        result.outgoing[result.outgoing.size() - kDeviceRecordSize + kDeviceFlagOffset] = 0;
    }
    for (std::size_t x = 0; x < desktopCount; ++x)
        if (desktopMarks[x] & kSend)
            Append<kDeviceRecordSize>(result.outgoing, DesktopToDevice(desktopAt(x)));

    std::size_t kept = 0;
    for (std::size_t x = 0; x < desktopCount; ++x) {
        if (desktopMarks[x] & kDrop)
            continue;
        if (kept != x)
            std::copy_n(&desktop[x * kRecordSize], kRecordSize, &desktop[kept * kRecordSize]);
        ++kept;
    }
    desktop.resize(kept * kRecordSize);
    for (std::size_t d = 0; d < deviceCount; ++d)
        if (deviceMarks[d] == kAdd)
            Append<kRecordSize>(desktop, DeviceToDesktop(deviceAt(d)));
    return result;
}

} // namespace lunea::provider
