#include "settings/settings.h"

#include <algorithm>
#include <charconv>

namespace lunea {
namespace {

// The registry value names are stored data: the reader and the writer both
// take them from here.
constexpr const char* kPasswordValue = "Quorv";
constexpr const char* kTemperatureFormatValue = "TempFormat";
constexpr const char* kLastUserValue = "LastUser";

struct NumberValue {
    const char* name;
    int Settings::*field;
};
// In the order the program has always written them.
constexpr NumberValue kNumberValues[] = {
    {"Color1", &Settings::Color1},
    {"Color2", &Settings::Color2},
    {"Color3", &Settings::Color3},
    {"Color4", &Settings::Color4},
    {"FCycles", &Settings::FCycles},
    {"Ovulation", &Settings::Ovulation},
    {"Menstruation", &Settings::Menstruation},
    {"LuterPhaseLength", &Settings::LuterPhaseLength},
};

// A value of another registry type counts as absent.
std::string ReadText(const RegistryKey& key, const std::string& name) {
    std::string value;
    return key.ReadString(name, value) == RegistryRead::Found ? value : std::string();
}

int ReadNumber(const RegistryKey& key, const std::string& name, int fallback) {
    const std::string text = ReadText(key, name);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return fallback;
    return value;
}

std::string IconValueName(int slot) {
    return "calIcon" + std::to_string(slot);
}

bool WriteNumber(RegistryKey& key, const std::string& name, int value) {
    return key.WriteString(name, std::to_string(value));
}

} // namespace

Settings ReadSettings(const RegistryKey& key) {
    Settings settings;
    settings.Password = ReadText(key, kPasswordValue).substr(0, Settings::PasswordCapacity);
    const std::string tempFormat = ReadText(key, kTemperatureFormatValue);
    settings.UseFahrenheit = !tempFormat.empty() && tempFormat != "Celsius";
    for (const NumberValue& value : kNumberValues)
        settings.*value.field = ReadNumber(key, value.name, settings.*value.field);
    settings.LastUser = ReadText(key, kLastUserValue).substr(0, Settings::LastUserCapacity);
    // An empty first slot means the icons were never chosen: all defaults.
    if (!ReadText(key, IconValueName(0)).empty())
        for (int slot = 0; slot < Settings::IconSlots; ++slot)
            settings.calIcon[slot] = ReadNumber(key, IconValueName(slot), settings.calIcon[slot]);
    return settings;
}

bool WriteAllSettings(RegistryKey& key, const Settings& settings) {
    bool ok = key.WriteString(kPasswordValue, settings.Password);
    for (const NumberValue& value : kNumberValues)
        ok &= WriteNumber(key, value.name, settings.*value.field);
    for (int slot = 0; slot < Settings::IconSlots; ++slot)
        ok &= WriteNumber(key, IconValueName(slot), settings.calIcon[slot]);
    ok &=
        key.WriteString(kTemperatureFormatValue, settings.UseFahrenheit ? "Fahrenheit" : "Celsius");
    ok &= WriteLastUser(key, settings);
    return ok;
}

bool WriteLastUser(RegistryKey& key, const Settings& settings) {
    return key.WriteString(kLastUserValue, settings.LastUser);
}

int ClampCustomCycleLength(int days) {
    return std::clamp(days, 24, 40);
}

CycleRules CycleRulesOf(const Settings& settings) {
    return {.customLength = settings.FCycles,
            .fertileDays = settings.Ovulation,
            .menstruationDays = settings.Menstruation,
            .lutealDays = settings.LuterPhaseLength};
}

} // namespace lunea
