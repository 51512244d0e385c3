#include "components/chart/chart_ticks.h"

#include "common/day_serial.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace lunea {
namespace {

// No axis is long enough for more marks than this.
constexpr int kMostTicks = 100;

std::string WithSeparator(std::string text, char decimalSeparator) {
    std::replace(text.begin(), text.end(), '.', decimalSeparator);
    return text;
}

std::string NumberLabel(double value, int decimals, char decimalSeparator) {
    char text[64];
    if (std::fabs(value) >= 1e9)
        std::snprintf(text, sizeof text, "%.3g", value);
    else
        std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return WithSeparator(text, decimalSeparator);
}

// Dates ticked every `count` units of one kind.
struct DateStep {
    enum Unit { Day, Month, Year } unit;
    int count;
    double Days() const {
        switch (unit) {
        case Day:
            return count;
        case Month:
            return count * 30.44;
        case Year:
            break;
        }
        return count * 365.25;
    }
};

constexpr DateStep kDateSteps[] = {
    {DateStep::Day, 1},   {DateStep::Day, 2},   {DateStep::Day, 7},    {DateStep::Day, 14},
    {DateStep::Month, 1}, {DateStep::Month, 2}, {DateStep::Month, 3},  {DateStep::Month, 6},
    {DateStep::Year, 1},  {DateStep::Year, 2},  {DateStep::Year, 5},   {DateStep::Year, 10},
    {DateStep::Year, 20}, {DateStep::Year, 50}, {DateStep::Year, 100}, {DateStep::Year, 1000},
};

// The journal's dates lie within a few centuries; the date axis keeps there.
constexpr double kFirstSerial = -657434; // 1 January 100
constexpr double kLastSerial = 2958465;  // 31 December 9999

CivilDate NextTick(CivilDate date, const DateStep& step) {
    switch (step.unit) {
    case DateStep::Day:
        return SerialToDate(DateToSerial(date) + step.count);
    case DateStep::Month: {
        const int months = date.month - 1 + step.count;
        return {date.year + months / 12, months % 12 + 1, 1};
    }
    case DateStep::Year:
        break;
    }
    return {date.year + step.count, 1, 1};
}

// The first tick at or after the date: a multiple of the step.
CivilDate FirstTick(std::int32_t serial, const DateStep& step) {
    const CivilDate date = SerialToDate(serial);
    switch (step.unit) {
    case DateStep::Day: {
        const std::int32_t rest = ((serial % step.count) + step.count) % step.count;
        return SerialToDate(rest == 0 ? serial : serial + step.count - rest);
    }
    case DateStep::Month: {
        int months = date.month - 1 + (date.day > 1 ? 1 : 0);
        months = (months + step.count - 1) / step.count * step.count;
        return {date.year + months / 12, months % 12 + 1, 1};
    }
    case DateStep::Year:
        break;
    }
    int year = date.year + (date.month > 1 || date.day > 1 ? 1 : 0);
    year = (year + step.count - 1) / step.count * step.count;
    return {year, 1, 1};
}

} // namespace

double NiceStep(double range, int maxCount) {
    if (!(range > 0.0) || !std::isfinite(range))
        return 1.0;
    const double raw = range / std::max(maxCount, 1);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    if (!(power > 0.0) || !std::isfinite(power))
        return 1.0;
    for (double factor : {1.0, 2.0, 5.0})
        if (factor * power >= raw * (1 - 1e-9))
            return factor * power;
    return 10.0 * power;
}

std::vector<AxisTick> NumberTicks(const AxisRange& range, int maxCount, char decimalSeparator) {
    const double step = NiceStep(range.maximum - range.minimum, maxCount);
    const double first = std::ceil(range.minimum / step - 1e-9) * step;
    const int decimals = std::clamp(static_cast<int>(-std::floor(std::log10(step))), 0, 6);
    std::vector<AxisTick> ticks;
    // Counted, not stepped: adding a step too small for the value's
    // precision would never reach the end.
    for (int i = 0; i <= kMostTicks; ++i) {
        double value = first + i * step;
        if (value > range.maximum + step * 1e-9)
            break;
        if (std::fabs(value) < step * 1e-9)
            value = 0.0; // no "-0.0"
        ticks.push_back({value, NumberLabel(value, decimals, decimalSeparator)});
    }
    return ticks;
}

std::vector<AxisTick> DateTicks(const AxisRange& range, int maxCount) {
    const double first = std::clamp(range.minimum, kFirstSerial, kLastSerial);
    const double last = std::clamp(range.maximum, kFirstSerial, kLastSerial);
    const double span = last - first;
    const DateStep* step = &kDateSteps[std::size(kDateSteps) - 1];
    for (const DateStep& candidate : kDateSteps)
        if (span / candidate.Days() <= std::max(maxCount, 1)) {
            step = &candidate;
            break;
        }
    std::vector<AxisTick> ticks;
    CivilDate date = FirstTick(static_cast<std::int32_t>(std::ceil(first)), *step);
    for (int i = 0; i <= kMostTicks; ++i) {
        const double serial = DateToSerial(date);
        if (serial > last)
            break;
        ticks.push_back({serial, DateLabel(serial)});
        date = NextTick(date, *step);
    }
    return ticks;
}

std::string DateLabel(double serial) {
    if (!std::isfinite(serial))
        return {};
    const CivilDate date = SerialToDate(
        static_cast<std::int32_t>(std::floor(std::clamp(serial, kFirstSerial, kLastSerial))));
    char text[32];
    std::snprintf(text, sizeof text, "%02d.%d.%d", date.day, date.month, date.year);
    return text;
}

std::string ValueText(double value, char decimalSeparator) {
    if (!std::isfinite(value))
        return {};
    if (std::fabs(value) >= 1e9)
        return NumberLabel(value, 0, decimalSeparator);
    if (std::fabs(value) < 0.0005)
        return "0";
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", value);
    std::size_t length = std::char_traits<char>::length(text);
    while (text[length - 1] == '0')
        --length;
    if (text[length - 1] == '.')
        --length;
    return WithSeparator(std::string(text, length), decimalSeparator);
}

} // namespace lunea
