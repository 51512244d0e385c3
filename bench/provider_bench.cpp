// The device exchange on twenty years of days on both sides: the merge alone,
// and the exchange without COM against a plain read and write of the file.
#include "provider/device_exchange.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace lunea::provider {
namespace {

constexpr std::uint16_t kFirstDate = 36526; // 1 January 2000
constexpr std::size_t kTwentyYears = 7305;

std::vector<std::uint8_t> DesktopFile() {
    std::vector<std::uint8_t> file(kTwentyYears * datafile::kRecordSize);
    for (std::size_t i = 0; i < kTwentyYears; ++i) {
        std::uint8_t* record = &file[i * datafile::kRecordSize];
        datafile::WriteU16(record + datafile::kDateOffset,
                           static_cast<std::uint16_t>(kFirstDate + i));
        record[datafile::kFlagOffset] = i % 2;
        record[datafile::kStatusOffset] = i % 7;
        datafile::WriteDouble(record + datafile::kTemperatureOffset, 36.0 + (i % 150) / 100.0);
        record[datafile::kNoteLengthOffset] = 12;
        std::fill_n(record + datafile::kNoteTextOffset, 12, 'n');
    }
    return file;
}

std::vector<std::uint8_t> DevicePacketBytes() {
    std::vector<std::uint8_t> packet(kDevicePacketHeaderSize);
    datafile::WriteU16(packet.data(), kDevicePacketSignature);
    for (std::size_t i = 0; i < kTwentyYears; ++i) {
        DeviceDayRecord record;
        record.DayNumber = static_cast<std::uint32_t>(kFirstDate + i - kDeviceEpochOffset);
        record.Status = (i % 3 == 0) ? 0 : 2; // a third empty, the rest replacing
        record.Temperature = 36.5f;
        const DeviceRecordBytes bytes = EncodeDeviceDayRecord(record);
        packet.insert(packet.end(), bytes.begin(), bytes.end());
    }
    return packet;
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

std::vector<std::uint8_t> ReadWholeFile(const std::string& path) {
    FileHandle file(std::fopen(path.c_str(), "rb"));
    if (!file)
        throw std::runtime_error("cannot open " + path);
    std::vector<std::uint8_t> bytes(std::filesystem::file_size(path));
    if (std::fread(bytes.data(), 1, bytes.size(), file.get()) != bytes.size())
        throw std::runtime_error("cannot read " + path);
    return bytes;
}

void WriteWholeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    FileHandle file(std::fopen(path.c_str(), "wb"));
    if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size())
        throw std::runtime_error("cannot write " + path);
}

std::string BenchFilePath() {
    return (std::filesystem::temp_directory_path() / "lunea_provider_bench.dat").string();
}

void BM_MergeRecords(benchmark::State& state) {
    const std::vector<std::uint8_t> desktop = DesktopFile();
    const std::vector<std::uint8_t> packet = DevicePacketBytes();
    const std::span<const std::uint8_t> device(packet.begin() + kDevicePacketHeaderSize,
                                               packet.end());
    for (auto _ : state)
        benchmark::DoNotOptimize(MergeRecords(desktop, device));
}
BENCHMARK(BM_MergeRecords)->Unit(benchmark::kMillisecond);

// Each iteration starts from the same file, so it merges the same data.
void BM_ExchangeWithoutCom(benchmark::State& state) {
    const std::string path = BenchFilePath();
    const std::vector<std::uint8_t> original = DesktopFile();
    const std::vector<std::uint8_t> packet = DevicePacketBytes();
    for (auto _ : state) {
        state.PauseTiming();
        WriteWholeFile(path, original);
        state.ResumeTiming();
        const std::vector<std::uint8_t> file = ReadWholeFile(path);
        const std::optional<MergeResult> merged = ExchangeJournal(file, packet);
        if (!merged)
            throw std::runtime_error("exchange stopped");
        WriteWholeFile(path, merged->newFile);
        benchmark::DoNotOptimize(merged->outgoing.data());
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_ExchangeWithoutCom)->Unit(benchmark::kMillisecond);

void BM_PlainReadAndWrite(benchmark::State& state) {
    const std::string path = BenchFilePath();
    const std::vector<std::uint8_t> original = DesktopFile();
    for (auto _ : state) {
        state.PauseTiming();
        WriteWholeFile(path, original);
        state.ResumeTiming();
        WriteWholeFile(path, ReadWholeFile(path));
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_PlainReadAndWrite)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace lunea::provider
