#include "app/temperature_scale.h"

#include <gtest/gtest.h>

namespace lunea {
namespace {

TEST(DayEditorTemperatureTest, ScaleClicksGiveTemperatures) {
    EXPECT_DOUBLE_EQ(TemperatureAtPosition(ScalePositionAtX(0)), 35.5);
    EXPECT_DOUBLE_EQ(TemperatureAtPosition(ScalePositionAtX(60)), 36.5);
    EXPECT_EQ(ScalePositionAtX(119), 39);
    EXPECT_DOUBLE_EQ(TemperatureAtPosition(39), 37.45);
    EXPECT_EQ(ScalePositionAtX(120), 40) << "the scale picture reaches position 40";
    EXPECT_DOUBLE_EQ(TemperatureAtPosition(40), 37.5);
    EXPECT_EQ(ScalePositionAtX(500), 40);
    EXPECT_EQ(ScalePositionAtX(-7), 0) << "a drag left of the scale";
}

TEST(DayEditorTemperatureTest, TemperaturesGiveScalePositions) {
    EXPECT_EQ(ScalePositionOfTemperature(35.5), 0);
    EXPECT_EQ(ScalePositionOfTemperature(36.6), 22);
    EXPECT_EQ(ScalePositionOfTemperature(37.45), 39);
    EXPECT_EQ(ScalePositionOfTemperature(36.62), 22) << "rounded to the nearest";
    EXPECT_EQ(ScalePositionOfTemperature(36.63), 23);
    EXPECT_EQ(ScalePositionOfTemperature(40.0), 40) << "held on the scale";
    EXPECT_EQ(ScalePositionOfTemperature(30.0), 0);
    for (int position = 0; position <= 40; ++position)
        EXPECT_EQ(ScalePositionOfTemperature(TemperatureAtPosition(position)), position);
}

TEST(DayEditorTemperatureTest, BoxTextInCelsiusAndFahrenheit) {
    EXPECT_EQ(TempEditText(35.5, false), "35.5");
    EXPECT_EQ(TempEditText(35.5, true), "95.9");
    EXPECT_EQ(TempEditText(36.55, false), "36.55");
    EXPECT_EQ(TempEditText(37.0, false), "37.0");
    // Position 22 is 36.6 C, 97.88 F: a loaded day shows two decimals, a
    // click on the scale one.
    EXPECT_EQ(TempEditText(TemperatureAtPosition(22), true), "97.88");
    EXPECT_EQ(ScaleClickText(TemperatureAtPosition(22), true), "97.9");
    EXPECT_EQ(ScaleClickText(TemperatureAtPosition(22), false), "36.6");
    EXPECT_EQ(TempEditText(TemperatureAtPosition(22), false), "36.6");
    EXPECT_EQ(TempEditText(37.0, true), "98.6");
    EXPECT_EQ(TempEditText(37.5, true), "99.5");
    for (int position = 0; position <= 40; ++position)
        EXPECT_LE(TempEditText(TemperatureAtPosition(position), true).size(), kTempEditMaxLength);
}

TEST(DayEditorTemperatureTest, ParsingTheBox) {
    EXPECT_DOUBLE_EQ(ParseTempEdit("36.6"), 36.6);
    EXPECT_DOUBLE_EQ(ParseTempEdit(" 36,6 "), 36.6);
    EXPECT_DOUBLE_EQ(ParseTempEdit("38"), 38.0);
    EXPECT_DOUBLE_EQ(ParseTempEdit(""), 0.0);
    EXPECT_DOUBLE_EQ(ParseTempEdit("abc"), 0.0);
    EXPECT_DOUBLE_EQ(ParseTempEdit("36.6x"), 0.0);
    EXPECT_DOUBLE_EQ(ParseTempEdit("."), 0.0);
}

TEST(DayEditorTemperatureTest, TheButtonClampsAndRounds) {
    EXPECT_DOUBLE_EQ(TempEditTemperature("38", false), 37.5);
    EXPECT_DOUBLE_EQ(TempEditTemperature("35", false), 35.5);
    EXPECT_DOUBLE_EQ(TempEditTemperature("", false), 35.5) << "empty reads as 0, clamped";
    EXPECT_DOUBLE_EQ(TempEditTemperature("nonsense", true), 35.5);
    EXPECT_DOUBLE_EQ(TempEditTemperature("36.666", false), 36.67);
    EXPECT_DOUBLE_EQ(TempEditTemperature("98.6", true), 37.0);
    EXPECT_DOUBLE_EQ(TempEditTemperature("97.9", true), 36.61);
    EXPECT_DOUBLE_EQ(TempEditTemperature("200", true), 37.5);
}

} // namespace
} // namespace lunea
