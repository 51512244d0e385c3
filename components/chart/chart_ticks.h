#pragma once
// Where an axis puts its marks and what they read: readable steps (1, 2 or
// 5 times a power of ten, or whole days, months and years on a date axis),
// safe on values a damaged journal may hold.

#include <string>
#include <vector>

namespace lunea {

// Values beyond this are held at it, so a range never overflows a double.
constexpr double kChartValueLimit = 1e300;

struct AxisRange {
    double minimum = 0.0;
    double maximum = 1.0;
};

struct AxisTick {
    double value = 0.0;
    std::string label;
};

// The step of about `range / maxCount`, rounded up to 1, 2 or 5 x 10^k.
double NiceStep(double range, int maxCount);

// At most maxCount + 1 ticks within the range, on multiples of the step.
std::vector<AxisTick> NumberTicks(const AxisRange& range, int maxCount, char decimalSeparator);

// Dates as days since 30 December 1899: ticks on whole days, the first of
// months or of years, labelled "dd.M.yyyy".
std::vector<AxisTick> DateTicks(const AxisRange& range, int maxCount);
std::string DateLabel(double serial);

// A value as a mark shows it: at most three decimals, trailing zeros cut.
std::string ValueText(double value, char decimalSeparator);

} // namespace lunea
