#include "common/memory_registry_key.h"
#include "settings/settings.h"

#include <gtest/gtest.h>

namespace lunea {
namespace {

TEST(SettingsRead, AnEmptyKeyGivesEveryDefault) {
    const MemoryRegistryKey key;
    const Settings settings = ReadSettings(key);
    EXPECT_EQ(settings.password, "");
    EXPECT_FALSE(settings.useFahrenheit);
    EXPECT_EQ(settings.clearDayColor, 0xF0CAA6);
    EXPECT_EQ(settings.flowDayColor, 0xC6C6FF);
    EXPECT_EQ(settings.fertileDayColor, 0xC7FECE);
    EXPECT_EQ(settings.predictedFlowColor, 0xFFC6FA);
    EXPECT_EQ(settings.customCycleLength, 0);
    EXPECT_EQ(settings.fertileDays, 5);
    EXPECT_EQ(settings.menstruationDays, 5);
    EXPECT_EQ(settings.lutealPhaseLength, 14);
    EXPECT_EQ(settings.iconKinds, (std::array<int, 8>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(settings.lastUser, "");
    EXPECT_TRUE(settings.showCoverline);
}

TEST(SettingsRead, StoredValuesAreTakenAsTheyAreWithoutRangeChecks) {
    MemoryRegistryKey key;
    key.WriteString("Quorv", std::string(40, 'p'));
    key.WriteString("Color1", "255");
    key.WriteString("FCycles", "99");
    key.WriteString("Ovulation", "-3");
    key.WriteString("LastUser", std::string(60, 'u'));
    for (int slot = 0; slot < 8; ++slot)
        key.WriteString("calIcon" + std::to_string(slot), std::to_string(10 - slot));
    const Settings settings = ReadSettings(key);
    EXPECT_EQ(settings.password, std::string(30, 'p'));
    EXPECT_EQ(settings.clearDayColor, 255);
    EXPECT_EQ(settings.customCycleLength, 99);
    EXPECT_EQ(settings.fertileDays, -3);
    EXPECT_EQ(settings.lastUser, std::string(50, 'u'));
    EXPECT_EQ(settings.iconKinds, (std::array<int, 8>{10, 9, 8, 7, 6, 5, 4, 3}));
}

TEST(SettingsRead, TemperatureScaleIsCelsiusOnlyWhenEmptyOrExactlyCelsius) {
    auto fahrenheit = [](const std::string& stored) {
        MemoryRegistryKey key;
        key.WriteString("TempFormat", stored);
        return ReadSettings(key).useFahrenheit;
    };
    EXPECT_FALSE(fahrenheit(""));
    EXPECT_FALSE(fahrenheit("Celsius"));
    EXPECT_TRUE(fahrenheit("celsius"));
    EXPECT_TRUE(fahrenheit("Fahrenheit"));
    EXPECT_TRUE(fahrenheit("Kelvin"));
}

TEST(SettingsRead, TheCoverlineIsShownUnlessStoredAsZero) {
    const struct {
        const char* stored;
        bool shown;
    } cases[] = {{"0", false}, {"1", true}, {"", true}, {"off", true}};
    for (const auto& c : cases) {
        MemoryRegistryKey key;
        key.WriteString("Coverline", c.stored);
        EXPECT_EQ(ReadSettings(key).showCoverline, c.shown) << '"' << c.stored << '"';
    }
}

TEST(SettingsRead, BadValuesTakeTheirDefaults) {
    MemoryRegistryKey key;
    key.WriteString("Color2", "red");
    key.WriteString("Color3", "12 ");
    key.WriteString("Color4", "99999999999");
    key.WriteString("FCycles", "");
    key.PutNonString("Ovulation");
    key.PutNonString("Quorv");
    key.WriteString("Menstruation", "0x7");
    key.WriteString("calIcon0", "9");
    key.WriteString("calIcon3", "");
    key.WriteString("calIcon5", "five");
    key.PutNonString("calIcon6");
    const Settings settings = ReadSettings(key);
    const Settings defaults;
    EXPECT_EQ(settings.flowDayColor, defaults.flowDayColor);
    EXPECT_EQ(settings.fertileDayColor, defaults.fertileDayColor);
    EXPECT_EQ(settings.predictedFlowColor, defaults.predictedFlowColor);
    EXPECT_EQ(settings.customCycleLength, 0);
    EXPECT_EQ(settings.fertileDays, 5);
    EXPECT_EQ(settings.password, "");
    EXPECT_EQ(settings.menstruationDays, 5);
    EXPECT_EQ(settings.iconKinds, (std::array<int, 8>{9, 2, 3, 4, 5, 6, 7, 8}));

    MemoryRegistryKey iconsWithoutFirst;
    iconsWithoutFirst.WriteString("calIcon1", "10");
    EXPECT_EQ(ReadSettings(iconsWithoutFirst).iconKinds[1], 2)
        << "an empty slot 0 resets all slots";
}

TEST(SettingsWrite, EveryValueInTheProgramsOrderAndReadBackTheSame) {
    Settings settings;
    settings.password = "secret";
    settings.useFahrenheit = true;
    settings.fertileDayColor = 123;
    settings.customCycleLength = 31;
    settings.iconKinds = {0, 10, 9, 8, 7, 6, 5, 4};
    settings.lastUser = "Lunea";
    settings.showCoverline = false;
    MemoryRegistryKey key;
    EXPECT_TRUE(WriteAllSettings(key, settings));
    EXPECT_EQ(key.WriteOrder(),
              (std::vector<std::string>{
                  "Quorv",    "Color1",    "Color2",       "Color3",           "Color4",
                  "FCycles",  "Ovulation", "Menstruation", "LuterPhaseLength", "calIcon0",
                  "calIcon1", "calIcon2",  "calIcon3",     "calIcon4",         "calIcon5",
                  "calIcon6", "calIcon7",  "TempFormat",   "LastUser",         "Coverline"}));
    std::string text;
    ASSERT_EQ(key.ReadString("TempFormat", text), RegistryRead::Found);
    EXPECT_EQ(text, "Fahrenheit");
    ASSERT_EQ(key.ReadString("Color1", text), RegistryRead::Found);
    EXPECT_EQ(text, "15780518");
    ASSERT_EQ(key.ReadString("Coverline", text), RegistryRead::Found);
    EXPECT_EQ(text, "0");

    const Settings back = ReadSettings(key);
    EXPECT_EQ(back.password, "secret");
    EXPECT_TRUE(back.useFahrenheit);
    EXPECT_EQ(back.fertileDayColor, 123);
    EXPECT_EQ(back.customCycleLength, 31);
    EXPECT_EQ(back.iconKinds, settings.iconKinds);
    EXPECT_EQ(back.lastUser, "Lunea");
    EXPECT_FALSE(back.showCoverline);
}

} // namespace
} // namespace lunea
