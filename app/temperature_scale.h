#pragma once
// The day editor's temperature arithmetic: the scale of 41 positions from
// 35.5 to 37.5 degrees Celsius, the text of the temperature box in Celsius
// or Fahrenheit, and reading back what the user typed there.

#include <string>
#include <string_view>

namespace lunea {

inline constexpr int kScalePositions = 40; // positions 0..40
inline constexpr int kScalePixelsPerPosition = 3;
inline constexpr double kScaleLowest = 35.5;
inline constexpr double kScaleHighest = 37.5;
inline constexpr double kScaleStep = 0.05;
inline constexpr std::size_t kTempEditMaxLength = 6;

double CelsiusToFahrenheit(double celsius);
double FahrenheitToCelsius(double fahrenheit);

// The position the scale shows for a temperature, within 0..40.
int ScalePositionOfTemperature(double celsius);
// The position under a click at x pixels from the scale's left edge.
int ScalePositionAtX(int x);
double TemperatureAtPosition(int position);

// A number with at most two decimals, trailing zeros dropped down to one
// decimal: 35.5, 36.55, 97.88.
std::string FormatTemperature(double value);
// The box's text for a temperature, in Celsius or Fahrenheit, with up to
// two decimals.
std::string TempEditText(double celsius, bool fahrenheit);
// The box's text right after a click on the scale: Fahrenheit is rounded to
// one decimal there.
std::string ScaleClickText(double celsius, bool fahrenheit);

// The number typed in the box; empty or unreadable text reads as 0.
double ParseTempEdit(std::string_view text);
// The Celsius temperature the box's button stores: the typed number,
// converted from Fahrenheit when that is shown, held to 35.5..37.5 and
// rounded to two decimals.
double TempEditTemperature(std::string_view text, bool fahrenheit);

} // namespace lunea
