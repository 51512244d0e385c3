#include "app/temperature_scale.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace lunea {
namespace {

double RoundTo(double value, double scale) {
    return std::round(value * scale) / scale;
}

} // namespace

double CelsiusToFahrenheit(double celsius) {
    return celsius * 1.8 + 32;
}

double FahrenheitToCelsius(double fahrenheit) {
    return (fahrenheit - 32) / 1.8;
}

int ScalePositionOfTemperature(double celsius) {
    const long position = std::lround((celsius - kScaleLowest) / kScaleStep);
    return static_cast<int>(std::clamp(position, 0L, static_cast<long>(kScalePositions)));
}

int ScalePositionAtX(int x) {
    return std::clamp(x / kScalePixelsPerPosition, 0, kScalePositions);
}

double TemperatureAtPosition(int position) {
    return kScaleLowest + kScaleStep * position;
}

std::string FormatTemperature(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", RoundTo(value, 100));
    std::string result = text;
    if (result.size() >= 4 && result.back() == '0')
        result.pop_back();
    return result;
}

std::string TempEditText(double celsius, bool fahrenheit) {
    return FormatTemperature(fahrenheit ? CelsiusToFahrenheit(celsius) : celsius);
}

std::string ScaleClickText(double celsius, bool fahrenheit) {
    return fahrenheit ? FormatTemperature(RoundTo(CelsiusToFahrenheit(celsius), 10))
                      : FormatTemperature(celsius);
}

double ParseTempEdit(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    // Either decimal separator: the box may have been typed in another locale's habit.
    std::string normalised(text);
    std::replace(normalised.begin(), normalised.end(), ',', '.');
    double value = 0;
    const char* end = normalised.data() + normalised.size();
    const auto [stop, error] = std::from_chars(normalised.data(), end, value);
    if (error != std::errc() || stop != end || !std::isfinite(value))
        return 0;
    return value;
}

double TempEditTemperature(std::string_view text, bool fahrenheit) {
    double value = ParseTempEdit(text);
    if (fahrenheit)
        value = FahrenheitToCelsius(value);
    return RoundTo(std::clamp(value, kScaleLowest, kScaleHighest), 100);
}

} // namespace lunea
