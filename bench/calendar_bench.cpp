// One full calendar redraw as the program does it on every edit: cycle
// analysis over the whole table, classification and drawing of every cell
// into a pixel buffer. Beside it, filling and drawing either chart of the
// Charts page. Target for each: at most 1 ms.
#include "app/chart_contents.h"
#include "app/month_view.h"
#include "components/canvas/bitmap_canvas.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace lunea {
namespace {

// A 28-day cycle with five flow days and a temperature and a note every day
// from 2000 to lastYear: a heavily used journal.
std::unique_ptr<DayTable> JournalUntil(int lastYear) {
    auto table = std::make_unique<DayTable>();
    const std::int32_t first = DateToSerial({2000, 1, 3});
    const std::int32_t last = DateToSerial({lastYear, 12, 31});
    for (std::int32_t serial = first; serial <= last; ++serial) {
        TDayRecord& day = table->At(SerialToDate(serial));
        const int cycleDay = (serial - first) % 28;
        day.Status = cycleDay < 5 ? 2 : (cycleDay == 12 ? 6 : 0);
        day.Temperature = 36.4 + (cycleDay > 14 ? 0.4 : 0.0);
        day.PMS = cycleDay > 24;
        day.Appointment = cycleDay == 7;
        day.Note.Assign("slept well");
    }
    return table;
}

// After an edit of a day of the month shown, as every redraw follows one.
void BM_FullCalendarRedraw(benchmark::State& state) {
    const auto table = JournalUntil(static_cast<int>(state.range(0)));
    Settings settings;
    settings.iconKinds = {1, 2, 3, 4, 5, 6, 7, 10};
    CycleAnalysis analysis;
    CellDayList cells{};
    BitmapCanvas canvas(kMainImageWidth, kMainImageHeight);
    MonthViewInput input{*table, settings, 2019, 6, {2019, 6, 12}, {}};
    for (auto _ : state) {
        table->At(2019, 6, 12).PMS ^= 1;
        analysis.Analyse(*table, CycleRulesOf(settings));
        cells = MonthCells(input.year, input.month, input.locale.mondayFirst);
        DrawMonth(canvas, input, analysis);
        DrawSelectionFrame(canvas, cells, 12);
        benchmark::DoNotOptimize(canvas.PixelAt(100, 100));
    }
}
BENCHMARK(BM_FullCalendarRedraw)->Arg(2019)->Arg(DayTable::LastYear)->Unit(benchmark::kMicrosecond);

constexpr Rect kChartBounds{0, 0, 340, 311};

void BM_TemperatureChart(benchmark::State& state) {
    const auto table = JournalUntil(2019);
    Chart chart = MakeTemperatureChart();
    BitmapCanvas canvas(kChartBounds.right, kChartBounds.bottom);
    for (auto _ : state) {
        FillTempChart(chart, *table, 2019, 7, false);
        chart.Draw(canvas, kChartBounds);
        benchmark::DoNotOptimize(canvas.PixelAt(100, 100));
    }
}
BENCHMARK(BM_TemperatureChart)->Unit(benchmark::kMicrosecond);

void BM_CycleChart(benchmark::State& state) {
    const auto table = JournalUntil(2019);
    const Settings settings;
    CycleAnalysis analysis;
    Chart chart = MakeCycleChart();
    BitmapCanvas canvas(kChartBounds.right, kChartBounds.bottom);
    for (auto _ : state) {
        analysis.Analyse(*table, CycleRulesOf(settings));
        FillCycleChart(chart, analysis, 2019, 7);
        chart.Draw(canvas, kChartBounds);
        benchmark::DoNotOptimize(canvas.PixelAt(100, 100));
    }
}
BENCHMARK(BM_CycleChart)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace lunea
