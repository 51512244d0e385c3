// The advanced report of six cycles drawn into a pixel buffer (target: at
// most 2 ms), and an edit while the report window is open: the analysis,
// the calendar month and the report redrawn as the main window does
// (target: 16 ms, one frame).
#include "app/month_view.h"
#include "components/canvas/bitmap_canvas.h"
#include "reports/report_renderer.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace lunea {
namespace {

// Twenty years of cycles of 26 to 31 days: five flow days, mucus before
// ovulation, a biphasic temperature with a gap now and then, icons, notes.
std::unique_ptr<DayTable> RecordedYears() {
    auto table = std::make_unique<DayTable>();
    const std::int32_t last = DateToSerial({2019, 12, 31});
    int cycle = 0;
    for (std::int32_t start = DateToSerial({2000, 1, 4}); start <= last; ++cycle) {
        const int length = 26 + cycle % 6;
        for (int i = 0; i < length && start + i <= last; ++i) {
            TDayRecord& day = *table->AtSerial(start + i);
            const int ovulation = length - 14;
            day.Status = i < 5 ? 2 : (i >= ovulation - 3 && i < ovulation ? 5 : 0);
            day.Temperature = i % 11 == 6 ? 0.0 : (i > ovulation ? 36.9 : 36.4) + (i % 3) * 0.05;
            day.Sex = i % 6 == 2;
            day.PMS = i >= length - 3;
            day.Appointment = i == 9;
            if (i == 9)
                day.Note.Assign("check-up");
        }
        start += length;
    }
    return table;
}

ReportInput SixCycles(const DayTable& days, const CycleAnalysis& cycles, const Settings& settings) {
    ReportInput input{days, cycles, settings, cycles.cycleCount - 6, 6, {}, {}};
    input.shortDate = [](CivilDate date) { return std::to_string(date.day); };
    return input;
}

void BM_AdvancedReportSixCycles(benchmark::State& state) {
    const auto table = RecordedYears();
    const Settings settings;
    CycleAnalysis cycles;
    cycles.Analyse(*table, CycleRulesOf(settings));
    const ReportInput input = SixCycles(*table, cycles, settings);
    const PictureSize size = AdvancedReport().SizeOf(input);
    BitmapCanvas canvas(size.width, size.height);
    for (auto _ : state) {
        AdvancedReport().Draw(canvas, input);
        benchmark::DoNotOptimize(AdvancedReport().Notes(input));
        benchmark::DoNotOptimize(canvas.PixelAt(100, 100));
    }
}
BENCHMARK(BM_AdvancedReportSixCycles)->Unit(benchmark::kMicrosecond);

void BM_EditWhileTheReportIsOpen(benchmark::State& state) {
    const auto table = RecordedYears();
    const Settings settings;
    CycleAnalysis cycles;
    BitmapCanvas month(kMainImageWidth, kMainImageHeight);
    const MonthViewInput monthInput{*table, settings, 2019, 6, {2019, 6, 12}, {}};
    for (auto _ : state) {
        cycles.Analyse(*table, CycleRulesOf(settings));
        const CellDayList cells = MonthCells(monthInput.year, monthInput.month, false);
        DrawMonth(month, monthInput, cycles);
        DrawSelectionFrame(month, cells, 12);
        // The window comes back to the oldest cycle at every refresh.
        ReportInput input = SixCycles(*table, cycles, settings);
        input.first = 1;
        const PictureSize size = AdvancedReport().SizeOf(input);
        BitmapCanvas report(size.width, size.height);
        AdvancedReport().Draw(report, input);
        benchmark::DoNotOptimize(AdvancedReport().Notes(input));
        benchmark::DoNotOptimize(report.PixelAt(100, 100));
    }
}
BENCHMARK(BM_EditWhileTheReportIsOpen)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace lunea
