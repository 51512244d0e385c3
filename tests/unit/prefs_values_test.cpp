// The Preferences page's values between the settings and the page.
#include "settings/prefs_values.h"

#include <gtest/gtest.h>

namespace lunea {
namespace {

TEST(PrefsValues, ACustomCycleLengthIsStoredWithin24To40AndAverageAsZero) {
    const struct {
        bool custom;
        const char* typed;
        int stored;
    } cases[] = {{true, "18", 24}, {true, "45", 40}, {true, "7", 24}, {true, "", 24},
                 {true, "32", 32}, {true, "x", 24},  {false, "32", 0}};
    for (const auto& c : cases) {
        Settings settings;
        PrefsValues values = PrefsValuesOf(settings);
        values.customCycle = c.custom;
        values.customDays = c.typed;
        TakeOverPrefs(values, settings);
        EXPECT_EQ(settings.customCycleLength, c.stored) << "'" << c.typed << "'";
    }
}

TEST(PrefsValues, EmptyingASetPasswordIsToldAndEveryValueRoundTrips) {
    Settings settings;
    settings.password = "old";
    settings.useFahrenheit = true;
    settings.customCycleLength = 31;
    settings.fertileDayColor = 255;
    settings.lutealPhaseLength = 9;
    settings.showCoverline = false;
    PrefsValues values = PrefsValuesOf(settings);
    EXPECT_EQ(values.customDays, "31");
    Settings back = settings;
    EXPECT_FALSE(TakeOverPrefs(values, back)) << "nothing changed, nothing to tell";
    EXPECT_EQ(back.customCycleLength, 31);
    EXPECT_EQ(back.fertileDayColor, 255);
    EXPECT_EQ(back.lutealPhaseLength, 9);
    EXPECT_TRUE(back.useFahrenheit);
    EXPECT_FALSE(back.showCoverline);
    values.showCoverline = true;
    TakeOverPrefs(values, back);
    EXPECT_TRUE(back.showCoverline);

    values.password.clear();
    EXPECT_TRUE(TakeOverPrefs(values, back));
    EXPECT_EQ(back.password, "");
    Settings none;
    EXPECT_FALSE(TakeOverPrefs(PrefsValuesOf(none), none)) << "no password was set";
}

TEST(PrefsValues, DefaultsKeepTheTemperatureFormatAndResetTheRest) {
    Settings settings;
    settings.useFahrenheit = true;
    settings.password = "pw";
    settings.customCycleLength = 30;
    settings.fertileDays = 9;
    settings.showCoverline = false;
    settings.iconKinds = {10, 10, 10, 10, 10, 10, 10, 99};
    RestoreDefaultPrefs(settings);
    EXPECT_TRUE(settings.useFahrenheit);
    EXPECT_EQ(settings.password, "");
    EXPECT_EQ(settings.customCycleLength, 0);
    EXPECT_EQ(settings.fertileDays, 5);
    EXPECT_TRUE(settings.showCoverline);
    EXPECT_EQ(settings.iconKinds, (std::array<int, 8>{1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST(PrefsValues, AnIconKindOutsideTheMenuShowsAsNone) {
    EXPECT_EQ(IconKindCaption(10), "Boy/Girl");
    EXPECT_EQ(IconKindCaption(2), "Cerv.Fluid");
    for (const int kind : {-1, 11, 1000}) {
        EXPECT_EQ(ShownIconKind(kind), 0);
        EXPECT_EQ(IconKindCaption(kind), "None");
    }
}

} // namespace
} // namespace lunea
