// Any data file with any device packet: the exchange either stops where its
// rules say (a file of torn records, a packet too short, of torn records or
// with another signature) or gives a file that loads back, every Flag 0, and
// a block for the device of whole records, as many as the rules send. With
// one record a day on each side, every day ends as the rules say too.
#include "journal/data_file.h"
#include "provider/device_exchange.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/fuzz/journal_in_memory.h"

#include <map>
#include <vector>

namespace {

using namespace lunea;
using namespace lunea::provider;
using datafile::kRecordSize;

// Sizes and counts from the fuzzer, the record bytes after them; a count
// larger than what follows leaves the file or the packet short.
struct ExchangeInputs {
    std::vector<std::uint8_t> dataFile;
    std::vector<std::uint8_t> packet;
};

ExchangeInputs ReadInputs(fuzz::FuzzInput& input) {
    const std::size_t desktopCount = input.Byte();
    const std::size_t deviceCount = input.Byte();
    const std::uint8_t shape = input.Byte();
    ExchangeInputs made;
    const auto append = [](std::vector<std::uint8_t>& to, std::span<const std::uint8_t> bytes) {
        to.insert(to.end(), bytes.begin(), bytes.end());
    };
    append(made.dataFile, input.Bytes(desktopCount * kRecordSize));
    if (shape & 1)
        append(made.dataFile, input.Bytes((shape >> 4) + 1u)); // a torn last record
    made.packet.resize(2);
    datafile::WriteU16(made.packet.data(), kDevicePacketSignature);
    if (shape & 2)
        made.packet.assign({input.Byte(), input.Byte()});
    append(made.packet, input.Bytes(kDevicePacketHeaderSize - 2));
    append(made.packet, input.Bytes(deviceCount * kDeviceRecordSize));
    if (shape & 4)
        made.packet.resize(made.packet.size() -
                           std::min<std::size_t>(made.packet.size(), input.Byte() % 200 + 1u));
    return made;
}

std::span<const std::uint8_t, kRecordSize> DesktopAt(std::span<const std::uint8_t> bytes,
                                                     std::size_t i) {
    return bytes.subspan(i * kRecordSize).first<kRecordSize>();
}

DeviceRecordView DeviceAt(std::span<const std::uint8_t> bytes, std::size_t i) {
    return bytes.subspan(i * kDeviceRecordSize).first<kDeviceRecordSize>();
}

// Records by date; nothing when two share one (or a device day has no Date
// a record can hold), where the rules compare first matches only.
template <typename DateOf>
std::optional<std::map<std::uint32_t, std::size_t>> ByDate(std::size_t count, DateOf dateOf) {
    std::map<std::uint32_t, std::size_t> byDate;
    for (std::size_t i = 0; i < count; ++i)
        if (dateOf(i) > 0xFFFF || !byDate.emplace(dateOf(i), i).second)
            return std::nullopt;
    return byDate;
}

bool SameButFlag(DesktopRecordView a, DesktopRecordView b) {
    DesktopRecordBytes x, y;
    std::copy(a.begin(), a.end(), x.begin());
    std::copy(b.begin(), b.end(), y.begin());
    x[datafile::kFlagOffset] = y[datafile::kFlagOffset] = 0;
    return x == y;
}

// Each day as the rules leave it; the count of records sent to the device.
// Nothing when a side has two records of a day.
std::optional<std::size_t> CheckEveryDay(std::span<const std::uint8_t> desktop,
                                         std::span<const std::uint8_t> device,
                                         std::span<const std::uint8_t> merged) {
    const std::size_t desktopCount = desktop.size() / kRecordSize;
    const std::size_t deviceCount = device.size() / kDeviceRecordSize;
    const auto desktopDate = [&](std::span<const std::uint8_t> file) {
        return [file](std::size_t i) {
            return std::uint32_t{datafile::ReadU16(&file[i * kRecordSize])};
        };
    };
    const auto oldDays = ByDate(desktopCount, desktopDate(desktop));
    const auto deviceDays = ByDate(deviceCount, [&](std::size_t i) {
        return DesktopDateOfDay(datafile::ReadU32(&DeviceAt(device, i)[kDayNumberOffset]));
    });
    if (!oldDays || !deviceDays)
        return std::nullopt;
    const auto newDays = ByDate(merged.size() / kRecordSize, desktopDate(merged));
    fuzz::Check(newDays.has_value(), "one record a day on each side gives one a day");
    const auto inNewFile = [&](std::uint32_t date) -> std::optional<DesktopRecordView> {
        const auto found = newDays->find(date);
        if (found == newDays->end())
            return std::nullopt;
        return DesktopAt(merged, found->second);
    };

    std::size_t sent = 0;
    for (const auto& [date, d] : *deviceDays) {
        const DeviceRecordView record = DeviceAt(device, d);
        const auto old = oldDays->find(date);
        if (!IsEmptyDeviceRecord(record)) {
            const DesktopRecordBytes expected = DeviceToDesktop(record);
            const auto now = inNewFile(date);
            fuzz::Check(now && std::equal(now->begin(), now->end(), expected.begin()),
                        "a day the device has data for takes the device's data");
            sent += old != oldDays->end(); // replaced days go back to the device
            continue;
        }
        const bool kept = old != oldDays->end() &&
                          !IsEmptyDesktopRecord(DesktopAt(desktop, old->second)) &&
                          desktop[old->second * kRecordSize + datafile::kFlagOffset] != 0;
        const auto now = inNewFile(date);
        fuzz::Check(now.has_value() == kept &&
                        (!now || SameButFlag(*now, DesktopAt(desktop, old->second))),
                    "a day emptied on the device goes unless changed on the desktop");
        sent += 1; // echoed, or the kept desktop day
    }
    for (const auto& [date, x] : *oldDays) {
        if (deviceDays->count(date) != 0)
            continue;
        const DesktopRecordView record = DesktopAt(desktop, x);
        const auto now = inNewFile(date);
        fuzz::Check(now.has_value() != IsEmptyDesktopRecord(record) &&
                        (!now || SameButFlag(*now, record)),
                    "a day only the desktop has stays unless empty");
        ++sent;
    }
    return sent;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::MemoryFileSystem files;
    static fuzz::SilentPrompts prompts;
    static Journal journal{files, prompts};

    fuzz::FuzzInput input(data, size);
    const ExchangeInputs in = ReadInputs(input);
    const std::span<const std::uint8_t> packet = in.packet;
    const bool wholeFile = in.dataFile.size() % kRecordSize == 0;
    const bool wholePacket = packet.size() >= kDevicePacketHeaderSize &&
                             (packet.size() - kDevicePacketHeaderSize) % kDeviceRecordSize == 0 &&
                             datafile::ReadU16(packet.data()) == kDevicePacketSignature;

    const std::optional<MergeResult> merged = ExchangeJournal(in.dataFile, packet);
    fuzz::Check(merged.has_value() == (wholeFile && wholePacket),
                "the exchange stops exactly at a torn file or a bad packet");
    if (!merged)
        return 0;
    const std::span<const std::uint8_t> device = packet.subspan(kDevicePacketHeaderSize);
    const std::size_t desktopCount = in.dataFile.size() / kRecordSize;
    const std::size_t deviceCount = device.size() / kDeviceRecordSize;
    const std::vector<std::uint8_t>& newFile = merged->newFile;
    const std::vector<std::uint8_t>& outgoing = merged->outgoing;
    fuzz::Check(newFile.size() % kRecordSize == 0, "the new file holds whole records");
    fuzz::Check(newFile.size() / kRecordSize <= desktopCount + deviceCount,
                "the new file holds no record from nowhere");
    fuzz::Check(outgoing.size() % kDeviceRecordSize == 0, "the device gets whole records");
    fuzz::Check(outgoing.size() / kDeviceRecordSize <= desktopCount + deviceCount,
                "the device gets no record from nowhere");
    for (std::size_t i = 0; i < newFile.size() / kRecordSize; ++i)
        fuzz::Check(newFile[i * kRecordSize + datafile::kFlagOffset] == 0,
                    "every Flag written is 0");
    for (std::size_t i = 0; i < outgoing.size() / kDeviceRecordSize; ++i)
        fuzz::Check(outgoing[i * kDeviceRecordSize + kDeviceFlagOffset] == 0,
                    "every DeviceFlag sent is 0");

    files.files.clear();
    files.files["Lunea.dat"] = newFile;
    journal.LoadData("Lunea.dat");
    fuzz::Check(!journal.IsUnread("Lunea.dat"), "the new file loads");

    if (const std::optional<std::size_t> sent = CheckEveryDay(in.dataFile, device, newFile))
        fuzz::Check(outgoing.size() == *sent * kDeviceRecordSize,
                    "the device gets one record for each day echoed or sent");
    return 0;
}
