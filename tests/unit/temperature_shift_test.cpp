// The thermal shift and its coverline, through a table of temperature runs.
#include "journal/temperature_shift.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace lunea {
namespace {

struct ShiftCase {
    const char* name;
    CivilDate cycleStart;
    CivilDate firstReading;
    std::vector<double> celsius; // one a day from firstReading; 0: not recorded
    int month;                   // of 2021
    CivilDate shift;             // {0, 0, 0}: none
    double highestBefore;
};

const std::vector<double> kLow = {36.3, 36.4, 36.5, 36.4, 36.3, 36.4};

std::vector<double> Then(std::vector<double> first, const std::vector<double>& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

TEST(TemperatureShift, FirstDayOfThreeAboveTheSixBeforeInItsCycle) {
    const ShiftCase cases[] = {
        {"six then three higher",
         {2021, 3, 1},
         {2021, 3, 5},
         Then(kLow, {36.6, 36.7, 36.6}),
         3,
         {2021, 3, 11},
         36.5},
        {"five are too few",
         {2021, 3, 1},
         {2021, 3, 6},
         Then({36.4, 36.5, 36.4, 36.3, 36.4}, {36.6, 36.7, 36.6}),
         3,
         {},
         0},
        {"a day without a temperature is skipped, not zero",
         {2021, 3, 1},
         {2021, 3, 5},
         Then(kLow, {36.6, 0, 36.7, 36.6}),
         3,
         {2021, 3, 11},
         36.5},
        {"a gap among the six leaves five",
         {2021, 3, 1},
         {2021, 3, 5},
         Then({36.4, 36.5, 0, 36.4, 36.3, 36.4}, {36.6, 36.7, 36.6}),
         3,
         {},
         0},
        {"equal is not higher",
         {2021, 3, 1},
         {2021, 3, 5},
         Then(kLow, {36.6, 36.7, 36.5}),
         3,
         {},
         0},
        {"a dip after the rise moves the shift",
         {2021, 3, 1},
         {2021, 3, 5},
         Then(kLow, {36.6, 36.2, 36.7, 36.7, 36.8}),
         3,
         {2021, 3, 13},
         36.6},
        {"at the month's start, with the readings before it",
         {2021, 3, 20},
         {2021, 3, 26},
         Then(kLow, {36.6, 36.7, 36.6}),
         4,
         {2021, 4, 1},
         36.5},
        {"not in the month before, confirmed after it",
         {2021, 3, 20},
         {2021, 3, 26},
         Then(kLow, {36.6, 36.7, 36.6}),
         3,
         {},
         0},
        {"confirmed by readings of the next month",
         {2021, 3, 20},
         {2021, 3, 24},
         Then(kLow, {36.6, 36.7, 36.6}),
         3,
         {2021, 3, 30},
         36.5},
        {"the cycle before does not count",
         {2021, 3, 29},
         {2021, 3, 23},
         Then(kLow, {36.3, 36.4, 36.3, 36.6, 36.7, 36.6}),
         4,
         {},
         0},
        {"a cycle shifts once",
         {2021, 3, 15},
         {2021, 3, 19},
         Then(kLow, {36.6, 36.7, 36.6, 36.8, 36.8, 36.9, 37.0, 37.1, 37.2, 37.3}),
         4,
         {},
         0},
        {"no cycle start before the readings",
         {2021, 5, 1},
         {2021, 3, 5},
         Then(kLow, {36.6, 36.7, 36.6}),
         3,
         {},
         0},
    };
    for (const ShiftCase& c : cases) {
        auto days = std::make_unique<DayTable>();
        const std::int32_t first = DateToSerial(c.firstReading);
        for (std::size_t i = 0; i < c.celsius.size(); ++i)
            days->AtSerial(first + static_cast<std::int32_t>(i))->Temperature = c.celsius[i];
        const std::int32_t starts[] = {DateToSerial(c.cycleStart)};
        const auto shift = FindTemperatureShift(*days, starts, 2021, c.month);
        if (c.shift.year == 0) {
            EXPECT_FALSE(shift.has_value()) << c.name;
            continue;
        }
        ASSERT_TRUE(shift.has_value()) << c.name;
        EXPECT_EQ(SerialToDate(shift->day), c.shift) << c.name;
        EXPECT_DOUBLE_EQ(shift->highestBefore, c.highestBefore) << c.name;
    }
}

TEST(TemperatureShift, TheCoverlineStandsATenthOfADegreeFahrenheitOrAHalfCelsiusAbove) {
    const TemperatureShift shift{DateToSerial({2021, 3, 11}), 36.5};
    EXPECT_NEAR(CoverlineOf(shift, false), 36.55, 1e-9);
    EXPECT_NEAR(CoverlineOf(shift, true), 97.8, 1e-9);
}

// Typed in Fahrenheit, 98.6 is stored a rounding away from 37.0 typed in
// Celsius: the two are one reading.
TEST(TemperatureShift, AReadingTypedInFahrenheitEqualsTheSameInCelsius) {
    auto days = std::make_unique<DayTable>();
    const std::int32_t first = DateToSerial({2021, 3, 5});
    const std::vector<double> readings = {36.8, 36.9, (98.6 - 32) / 1.8, 36.9, 36.8, 36.9, 37.1,
                                          37.2, 37.0};
    for (std::size_t i = 0; i < readings.size(); ++i)
        days->AtSerial(first + static_cast<std::int32_t>(i))->Temperature = readings[i];
    const std::int32_t starts[] = {DateToSerial({2021, 3, 1})};
    EXPECT_FALSE(FindTemperatureShift(*days, starts, 2021, 3).has_value());
}

} // namespace
} // namespace lunea
