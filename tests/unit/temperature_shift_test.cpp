// The thermal shift and its coverline, through a table of temperature runs.
#include "journal/temperature_shift.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace lunea {
namespace {

// Days count from the 1st of March 2021 as day 1, so that 32 is the 1st of April.
struct ShiftCase {
    const char* name;
    int cycleStart;
    int firstReading;
    std::vector<double> celsius; // one a day from firstReading; 0: not recorded
    int month;                   // of 2021
    int shift;                   // 0: none
    double highestBefore;
};

const std::vector<double> kLow = {36.3, 36.4, 36.5, 36.4, 36.3, 36.4};

std::vector<double> Then(std::vector<double> first, const std::vector<double>& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

std::int32_t Day(int day) {
    return DateToSerial({2021, 3, 1}) + day - 1;
}

std::unique_ptr<DayTable> Recorded(int firstReading, const std::vector<double>& celsius) {
    auto days = std::make_unique<DayTable>();
    for (std::size_t i = 0; i < celsius.size(); ++i)
        days->AtSerial(Day(firstReading) + static_cast<std::int32_t>(i))->Temperature = celsius[i];
    return days;
}

TEST(TemperatureShift, FirstDayOfThreeAboveTheSixBeforeInItsCycle) {
    const ShiftCase cases[] = {
        {"six then three higher", 1, 5, Then(kLow, {36.6, 36.7, 36.6}), 3, 11, 36.5},
        {"five are too few", 1, 6, Then({36.4, 36.5, 36.4, 36.3, 36.4}, {36.6, 36.7, 36.6}), 3, 0,
         0},
        {"a day without a temperature is skipped, not zero", 1, 5,
         Then(kLow, {36.6, 0, 36.7, 36.6}), 3, 11, 36.5},
        {"a gap among the six leaves five", 1, 5,
         Then({36.4, 36.5, 0, 36.4, 36.3, 36.4}, {36.6, 36.7, 36.6}), 3, 0, 0},
        {"equal is not higher", 1, 5, Then(kLow, {36.6, 36.7, 36.5}), 3, 0, 0},
        {"a dip after the rise moves the shift", 1, 5, Then(kLow, {36.6, 36.2, 36.7, 36.7, 36.8}),
         3, 13, 36.6},
        {"at the month's start, with the readings before it", 20, 26,
         Then(kLow, {36.6, 36.7, 36.6}), 4, 32, 36.5},
        {"not in the month before, confirmed after it", 20, 26, Then(kLow, {36.6, 36.7, 36.6}), 3,
         0, 0},
        {"confirmed by readings of the next month", 20, 24, Then(kLow, {36.6, 36.7, 36.6}), 3, 30,
         36.5},
        {"the cycle before does not count", 29, 23,
         Then(kLow, {36.3, 36.4, 36.3, 36.6, 36.7, 36.6}), 4, 0, 0},
        {"a cycle shifts once", 15, 19,
         Then(kLow, {36.6, 36.7, 36.6, 36.8, 36.8, 36.9, 37.0, 37.1, 37.2, 37.3}), 4, 0, 0},
        {"no cycle start before the readings", 62, 5, Then(kLow, {36.6, 36.7, 36.6}), 3, 0, 0},
    };
    for (const ShiftCase& c : cases) {
        const auto days = Recorded(c.firstReading, c.celsius);
        const std::int32_t starts[] = {Day(c.cycleStart)};
        const auto shift = FindTemperatureShift(*days, starts, 2021, c.month);
        if (c.shift == 0) {
            EXPECT_FALSE(shift.has_value()) << c.name;
            continue;
        }
        ASSERT_TRUE(shift.has_value()) << c.name;
        EXPECT_EQ(shift->day, Day(c.shift)) << c.name;
        EXPECT_DOUBLE_EQ(shift->highestBefore, c.highestBefore) << c.name;
    }
}

// Typed in Fahrenheit, 98.6 is stored a rounding away from 37.0 typed in
// Celsius: the two are one reading.
TEST(TemperatureShift, AReadingTypedInFahrenheitEqualsTheSameInCelsius) {
    const auto days =
        Recorded(5, {36.8, 36.9, (98.6 - 32) / 1.8, 36.9, 36.8, 36.9, 37.1, 37.2, 37.0});
    const std::int32_t starts[] = {Day(1)};
    EXPECT_FALSE(FindTemperatureShift(*days, starts, 2021, 3).has_value());
}

} // namespace
} // namespace lunea
