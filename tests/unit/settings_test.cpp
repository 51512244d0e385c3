#include "settings/memory_registry_key.h"
#include "settings/settings.h"

#include <gtest/gtest.h>

namespace lunea {
namespace {

TEST(SettingsRead, AnEmptyKeyGivesEveryDefault) {
    const MemoryRegistryKey key;
    const Settings settings = ReadSettings(key);
    EXPECT_EQ(settings.Password, "");
    EXPECT_FALSE(settings.UseFahrenheit);
    EXPECT_EQ(settings.Color1, 0xF0CAA6);
    EXPECT_EQ(settings.Color2, 0xC6C6FF);
    EXPECT_EQ(settings.Color3, 0xC7FECE);
    EXPECT_EQ(settings.Color4, 0xFFC6FA);
    EXPECT_EQ(settings.FCycles, 0);
    EXPECT_EQ(settings.Ovulation, 5);
    EXPECT_EQ(settings.Menstruation, 5);
    EXPECT_EQ(settings.LuterPhaseLength, 14);
    EXPECT_EQ(settings.calIcon, (std::array<int, 8>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(settings.LastUser, "");
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
    EXPECT_EQ(settings.Password, std::string(30, 'p'));
    EXPECT_EQ(settings.Color1, 255);
    EXPECT_EQ(settings.FCycles, 99);
    EXPECT_EQ(settings.Ovulation, -3);
    EXPECT_EQ(settings.LastUser, std::string(50, 'u'));
    EXPECT_EQ(settings.calIcon, (std::array<int, 8>{10, 9, 8, 7, 6, 5, 4, 3}));
}

TEST(SettingsRead, TemperatureScaleIsCelsiusOnlyWhenEmptyOrExactlyCelsius) {
    auto fahrenheit = [](const std::string& stored) {
        MemoryRegistryKey key;
        key.WriteString("TempFormat", stored);
        return ReadSettings(key).UseFahrenheit;
    };
    EXPECT_FALSE(fahrenheit(""));
    EXPECT_FALSE(fahrenheit("Celsius"));
    EXPECT_TRUE(fahrenheit("celsius"));
    EXPECT_TRUE(fahrenheit("Fahrenheit"));
    EXPECT_TRUE(fahrenheit("Kelvin"));
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
    EXPECT_EQ(settings.Color2, defaults.Color2);
    EXPECT_EQ(settings.Color3, defaults.Color3);
    EXPECT_EQ(settings.Color4, defaults.Color4);
    EXPECT_EQ(settings.FCycles, 0);
    EXPECT_EQ(settings.Ovulation, 5);
    EXPECT_EQ(settings.Password, "");
    EXPECT_EQ(settings.Menstruation, 5);
    EXPECT_EQ(settings.calIcon, (std::array<int, 8>{9, 2, 3, 4, 5, 6, 7, 8}));

    MemoryRegistryKey iconsWithoutFirst;
    iconsWithoutFirst.WriteString("calIcon1", "10");
    EXPECT_EQ(ReadSettings(iconsWithoutFirst).calIcon[1], 2) << "an empty slot 0 resets all slots";
}

TEST(SettingsWrite, EveryValueInTheProgramsOrderAndReadBackTheSame) {
    Settings settings;
    settings.Password = "secret";
    settings.UseFahrenheit = true;
    settings.Color3 = 123;
    settings.FCycles = 31;
    settings.calIcon = {0, 10, 9, 8, 7, 6, 5, 4};
    settings.LastUser = "Lunea";
    MemoryRegistryKey key;
    EXPECT_TRUE(WriteAllSettings(key, settings));
    EXPECT_EQ(key.WriteOrder(),
              (std::vector<std::string>{"Quorv", "Color1", "Color2", "Color3", "Color4", "FCycles",
                                        "Ovulation", "Menstruation", "LuterPhaseLength", "calIcon0",
                                        "calIcon1", "calIcon2", "calIcon3", "calIcon4", "calIcon5",
                                        "calIcon6", "calIcon7", "TempFormat", "LastUser"}));
    std::string text;
    ASSERT_EQ(key.ReadString("TempFormat", text), RegistryRead::Found);
    EXPECT_EQ(text, "Fahrenheit");
    ASSERT_EQ(key.ReadString("Color1", text), RegistryRead::Found);
    EXPECT_EQ(text, "15780518");

    const Settings back = ReadSettings(key);
    EXPECT_EQ(back.Password, "secret");
    EXPECT_TRUE(back.UseFahrenheit);
    EXPECT_EQ(back.Color3, 123);
    EXPECT_EQ(back.FCycles, 31);
    EXPECT_EQ(back.calIcon, settings.calIcon);
    EXPECT_EQ(back.LastUser, "Lunea");
}

} // namespace
} // namespace lunea
