// Load and save of a full 20-year journal against plain file I/O of the same
// bytes, and the per-redraw cycle analysis of a month.
#include "journal/cycle_analysis.h"
#include "journal/data_file.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <vector>

namespace lunea {
namespace {

class SilentPrompts : public UserPrompts {
  public:
    bool AskYesNo(const std::string&) override { return false; }
    void Inform(const std::string&) override {}
    void ReportIoError(const std::string& text) override { throw std::runtime_error(text); }
};

// Every day of 2000..2019 recorded, with a 5-day flow every 28 days.
void FillTwentyYears(DayTable& days) {
    int dayNumber = 0;
    for (int year = DayTable::FirstYear; year <= DayTable::LastYear; ++year)
        for (int month = 1; month <= 12; ++month)
            for (int day = 1; day <= DaysInMonth(year, month); ++day, ++dayNumber) {
                TDayRecord& record = days.At(year, month, day);
                record.Status = dayNumber % 28 < 5 ? 2 : 5;
                record.Temperature = 36.2 + (dayNumber % 20) * 0.05;
                record.Note.Assign("Measured before getting up; slept well.");
            }
}

struct BenchFolder {
    BenchFolder() {
        char pattern[] = "/tmp/lunea-bench-XXXXXX";
        if (!mkdtemp(pattern))
            throw std::runtime_error("no scratch folder");
        path = pattern;
    }
    ~BenchFolder() { std::filesystem::remove_all(path); }
    std::string path;
};

struct JournalOnDisk {
    JournalOnDisk() : files(MakePlatformFileSystem()), journal(*files, prompts) {
        FillTwentyYears(journal.Days());
        journal.SaveData(dataFile);
        const auto size = std::filesystem::file_size(dataFile);
        bytes.resize(size);
        const int fd = ::open(dataFile.c_str(), O_RDONLY);
        if (fd < 0 || ::read(fd, bytes.data(), size) != static_cast<ssize_t>(size))
            throw std::runtime_error("cannot read the journal back");
        ::close(fd);
    }

    BenchFolder folder;
    std::string dataFile = folder.path + "/Lunea.dat";
    std::string plainFile = folder.path + "/Plain.dat";
    std::unique_ptr<FileSystem> files;
    SilentPrompts prompts;
    Journal journal;
    std::vector<char> bytes;
};

void BM_LoadData(benchmark::State& state) {
    JournalOnDisk disk;
    for (auto _ : state)
        disk.journal.LoadData(disk.dataFile);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(disk.bytes.size()));
}
BENCHMARK(BM_LoadData);

void BM_PlainRead(benchmark::State& state) {
    JournalOnDisk disk;
    std::vector<char> buffer(disk.bytes.size());
    for (auto _ : state) {
        const int fd = ::open(disk.dataFile.c_str(), O_RDONLY);
        benchmark::DoNotOptimize(::read(fd, buffer.data(), buffer.size()));
        ::close(fd);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(disk.bytes.size()));
}
BENCHMARK(BM_PlainRead);

void BM_SaveData(benchmark::State& state) {
    JournalOnDisk disk;
    for (auto _ : state)
        disk.journal.SaveData(disk.dataFile);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(disk.bytes.size()));
}
BENCHMARK(BM_SaveData)->UseRealTime();

void BM_PlainWriteAndFlush(benchmark::State& state) {
    JournalOnDisk disk;
    for (auto _ : state) {
        const int fd = ::open(disk.plainFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
        benchmark::DoNotOptimize(::write(fd, disk.bytes.data(), disk.bytes.size()));
        benchmark::DoNotOptimize(::fsync(fd));
        ::close(fd);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(disk.bytes.size()));
}
BENCHMARK(BM_PlainWriteAndFlush)->UseRealTime();

// One calendar redraw: the analysis, then the 42 cells of a month's grid.
void BM_AnalyseAndClassifyMonth(benchmark::State& state) {
    auto days = std::make_unique<DayTable>();
    FillTwentyYears(*days);
    const Settings settings;
    CycleAnalysis analysis;
    const std::int32_t firstCell = DateToSerial({2019, 6, 1}) - DayOfWeek({2019, 6, 1});
    for (auto _ : state) {
        analysis.GetCStartAndLen(*days, settings);
        for (int cell = 0; cell < 42; ++cell)
            benchmark::DoNotOptimize(
                analysis.ClassifyDay(*days, SerialToDate(firstCell + cell), settings));
    }
}
BENCHMARK(BM_AnalyseAndClassifyMonth)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace lunea
