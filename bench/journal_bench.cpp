// Load and save of a journal with every day of 20 years (2000..2019) and of
// the table's 79 years against plain file I/O of the same bytes, the
// per-redraw cycle analysis of a month, and the table's memory.
#include "journal/cycle_analysis.h"
#include "journal/data_file.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <malloc.h>
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
    void Notice(const std::string&) override {}
    void ReportError(const std::string& text) override { throw std::runtime_error(text); }
};

// Every day of 2000..lastYear recorded, with a 5-day flow every 28 days.
void FillYears(DayTable& days, int lastYear) {
    int dayNumber = 0;
    for (int year = DayTable::FirstYear; year <= lastYear; ++year)
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

// The benchmarks' argument: the last year recorded.
constexpr int kTwentyYears = 2019;
constexpr int kWholeTable = DayTable::LastYear;

struct JournalOnDisk {
    explicit JournalOnDisk(int lastYear)
        : files(MakePlatformFileSystem()), journal(*files, prompts) {
        FillYears(journal.Days(), lastYear);
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
    JournalOnDisk disk(static_cast<int>(state.range(0)));
    for (auto _ : state)
        disk.journal.LoadData(disk.dataFile);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(disk.bytes.size()));
}
BENCHMARK(BM_LoadData)->Arg(kTwentyYears)->Arg(kWholeTable);

void BM_PlainRead(benchmark::State& state) {
    JournalOnDisk disk(static_cast<int>(state.range(0)));
    std::vector<char> buffer(disk.bytes.size());
    for (auto _ : state) {
        const int fd = ::open(disk.dataFile.c_str(), O_RDONLY);
        benchmark::DoNotOptimize(::read(fd, buffer.data(), buffer.size()));
        ::close(fd);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(disk.bytes.size()));
}
BENCHMARK(BM_PlainRead)->Arg(kTwentyYears)->Arg(kWholeTable);

void BM_SaveData(benchmark::State& state) {
    JournalOnDisk disk(static_cast<int>(state.range(0)));
    for (auto _ : state)
        disk.journal.SaveData(disk.dataFile);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(disk.bytes.size()));
}
BENCHMARK(BM_SaveData)->Arg(kTwentyYears)->Arg(kWholeTable)->UseRealTime();

void BM_PlainWriteAndFlush(benchmark::State& state) {
    JournalOnDisk disk(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const int fd = ::open(disk.plainFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
        benchmark::DoNotOptimize(::write(fd, disk.bytes.data(), disk.bytes.size()));
        benchmark::DoNotOptimize(::fsync(fd));
        ::close(fd);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(disk.bytes.size()));
}
BENCHMARK(BM_PlainWriteAndFlush)->Arg(kTwentyYears)->Arg(kWholeTable)->UseRealTime();

// One calendar redraw after an edit, as the program does it: a day of the
// month shown changes, then the analysis, then the 42 cells of the grid.
void BM_AnalyseAndClassifyMonth(benchmark::State& state) {
    auto days = std::make_unique<DayTable>();
    FillYears(*days, static_cast<int>(state.range(0)));
    const CycleRules rules;
    CycleAnalysis analysis;
    analysis.Analyse(*days, rules);
    const std::int32_t firstCell = DateToSerial({2019, 6, 1}) - DayOfWeek({2019, 6, 1});
    for (auto _ : state) {
        days->At(2019, 6, 12).PMS ^= 1;
        analysis.Analyse(*days, rules);
        for (int cell = 0; cell < 42; ++cell)
            benchmark::DoNotOptimize(
                analysis.ClassifyDay(*days, SerialToDate(firstCell + cell), rules));
    }
}
BENCHMARK(BM_AnalyseAndClassifyMonth)
    ->Arg(kTwentyYears)
    ->Arg(kWholeTable)
    ->Unit(benchmark::kMicrosecond);

// The first redraw after a load, which has changed every month.
void BM_AnalyseAfterLoad(benchmark::State& state) {
    JournalOnDisk disk(static_cast<int>(state.range(0)));
    const CycleRules rules;
    CycleAnalysis analysis;
    for (auto _ : state) {
        state.PauseTiming();
        disk.journal.LoadData(disk.dataFile);
        state.ResumeTiming();
        analysis.Analyse(disk.journal.Days(), rules);
        benchmark::DoNotOptimize(analysis.ClassifyDay(disk.journal.Days(), {2019, 6, 12}, rules));
    }
}
BENCHMARK(BM_AnalyseAfterLoad)->Arg(kTwentyYears)->Arg(kWholeTable)->Unit(benchmark::kMicrosecond);

std::size_t HeapInUse() {
    const struct mallinfo2 heap = mallinfo2();
    return heap.uordblks + heap.hblkhd; // small blocks and mapped ones
}

// What one table takes from the heap, with every day of it recorded.
void BM_TableMemory(benchmark::State& state) {
    for (auto _ : state) {
        const std::size_t before = HeapInUse();
        auto days = std::make_unique<DayTable>();
        FillYears(*days, kWholeTable);
        state.counters["bytes"] = static_cast<double>(HeapInUse() - before);
    }
}
BENCHMARK(BM_TableMemory)->Iterations(1);

} // namespace
} // namespace lunea
