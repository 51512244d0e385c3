#pragma once
// What the Charts page puts into its two charts: the temperatures of the
// selected month and the lengths of the last cycles begun before its end.

#include "components/chart/chart.h"
#include "journal/cycle_analysis.h"
#include "journal/day_table.h"
#include "journal/temperature_shift.h"

#include <optional>

namespace lunea {

// The charts as they are set up once, empty.
Chart MakeTemperatureChart();
Chart MakeCycleChart();

// Refills the chart's series from the table: one point per recorded day of
// the month, in Fahrenheit when asked.
void FillTempChart(Chart& chart, const DayTable& days, int year, int month, bool fahrenheit);

// The temperature chart's coverline at the month's shift, in the scale it
// shows, and the shift's day marked; none without a shift.
void ShowTemperatureShift(Chart& chart, const std::optional<TemperatureShift>& shift,
                          bool fahrenheit);

// Refills the chart from an analysis already run: up to six bars, from the
// newest cycle begun strictly before the month's last day to older ones.
void FillCycleChart(Chart& chart, const CycleAnalysis& analysis, int year, int month);

} // namespace lunea
