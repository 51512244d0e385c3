#include "app/chart_contents.h"

#include "app/temperature_scale.h"

namespace lunea {
namespace {

constexpr int kBarsShown = 6;

// 0.05 degrees Celsius, or 0.1 Fahrenheit, above the highest of the six
// readings before the shift.
double CoverlineOf(double highestCelsius, bool fahrenheit) {
    return fahrenheit ? CelsiusToFahrenheit(highestCelsius) + 0.1 : highestCelsius + 0.05;
}

} // namespace

Chart MakeTemperatureChart() {
    Chart chart;
    chart.backgroundBottom = 13303754; // light green
    chart.backgroundTop = 11053311;    // light red
    chart.bottomAxis = {"Day", false, false, 1.0, 31.0, true, AxisLabels::Numbers};
    chart.leftAxis = {"t, \xB0"
                      "C",
                      true,
                      true,
                      0.0,
                      1.0,
                      true,
                      AxisLabels::Numbers};
    chart.series.style = SeriesStyle::Line;
    chart.series.title = "Temperature";
    chart.series.color = kRed;
    chart.series.linePen = {kYellow, 1};
    chart.series.pointSize = 3;
    return chart;
}

Chart MakeCycleChart() {
    Chart chart;
    chart.backgroundTop = 12189695;    // light yellow
    chart.backgroundBottom = 13041606; // light green
    chart.bottomAxis = {"", true, true, 0.0, 1.0, false, AxisLabels::Dates};
    chart.leftAxis = {"", false, true, 0.0, 1.0, false, AxisLabels::Numbers};
    chart.series.style = SeriesStyle::Bar;
    chart.series.color = kRed;
    chart.series.marks = true;
    chart.series.marksBackground = 13303807;
    chart.series.barWidthPercent = 40;
    return chart;
}

void FillTempChart(Chart& chart, const DayTable& days, int year, int month, bool fahrenheit) {
    chart.series.Clear();
    const int length = DaysInMonth(year, month);
    chart.bottomAxis.maximum = length;
    chart.bottomAxis.minimum = 1;
    chart.leftAxis.title = fahrenheit ? "t, \xB0"
                                        "F"
                                      : "t, \xB0"
                                        "C";
    if (!DayTable::HasSlot(year, month, 1))
        return;
    for (int day = 1; day <= length; ++day) {
        const double celsius = days.At(year, month, day).Temperature;
        if (celsius > 0)
            chart.series.Add(day, fahrenheit ? CelsiusToFahrenheit(celsius) : celsius, kRed);
    }
}

void ShowTemperatureShift(Chart& chart, const std::optional<TemperatureShift>& shift,
                          bool fahrenheit) {
    chart.level.reset();
    if (shift)
        chart.level = ChartLevel{CoverlineOf(shift->highestBefore, fahrenheit),
                                 static_cast<double>(SerialToDate(shift->day).day), "shift", kBlue};
}

void FillCycleChart(Chart& chart, const CycleAnalysis& analysis, int year, int month) {
    chart.series.Clear();
    const std::int32_t monthEnd = DateToSerial({year, month, DaysInMonth(year, month)});
    const auto& starts = analysis.startDates;
    int newest = 1;
    while (newest <= CycleAnalysis::kMaxEntries && starts[newest] != 0 &&
           starts[newest] >= monthEnd)
        ++newest;
    if (newest > CycleAnalysis::kMaxEntries || starts[newest] == 0)
        return;
    for (int j = newest; j < newest + kBarsShown && j <= CycleAnalysis::kMaxEntries; ++j)
        if (starts[j] != 0)
            chart.series.Add(starts[j], analysis.cycleLengths[j], kRed);
}

} // namespace lunea
