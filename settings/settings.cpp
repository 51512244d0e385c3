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
constexpr const char* kCoverlineValue = "Coverline";

struct NumberValue {
    const char* name;
    int Settings::*field;
};
// In the order the program has always written them.
constexpr NumberValue kNumberValues[] = {
    {"Color1", &Settings::clearDayColor},
    {"Color2", &Settings::flowDayColor},
    {"Color3", &Settings::fertileDayColor},
    {"Color4", &Settings::predictedFlowColor},
    {"FCycles", &Settings::customCycleLength},
    {"Ovulation", &Settings::fertileDays},
    {"Menstruation", &Settings::menstruationDays},
    {"LuterPhaseLength", &Settings::lutealPhaseLength},
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
    settings.password = ReadText(key, kPasswordValue).substr(0, Settings::kPasswordCapacity);
    const std::string tempFormat = ReadText(key, kTemperatureFormatValue);
    settings.useFahrenheit = !tempFormat.empty() && tempFormat != "Celsius";
    for (const NumberValue& value : kNumberValues)
        settings.*value.field = ReadNumber(key, value.name, settings.*value.field);
    settings.lastUser = ReadText(key, kLastUserValue).substr(0, Settings::kLastUserCapacity);
    // Older versions never wrote it: only an explicit "0" turns it off.
    settings.showCoverline = ReadText(key, kCoverlineValue) != "0";
    // An empty first slot means the icons were never chosen: all defaults.
    if (!ReadText(key, IconValueName(0)).empty())
        for (int slot = 0; slot < Settings::kIconSlots; ++slot)
            settings.iconKinds[slot] =
                ReadNumber(key, IconValueName(slot), settings.iconKinds[slot]);
    return settings;
}

bool WriteAllSettings(RegistryKey& key, const Settings& settings) {
    bool ok = key.WriteString(kPasswordValue, settings.password);
    for (const NumberValue& value : kNumberValues)
        ok &= WriteNumber(key, value.name, settings.*value.field);
    for (int slot = 0; slot < Settings::kIconSlots; ++slot)
        ok &= WriteNumber(key, IconValueName(slot), settings.iconKinds[slot]);
    ok &=
        key.WriteString(kTemperatureFormatValue, settings.useFahrenheit ? "Fahrenheit" : "Celsius");
    ok &= WriteLastUser(key, settings);
    ok &= key.WriteString(kCoverlineValue, settings.showCoverline ? "1" : "0");
    return ok;
}

bool WriteLastUser(RegistryKey& key, const Settings& settings) {
    return key.WriteString(kLastUserValue, settings.lastUser);
}

int ClampCustomCycleLength(int days) {
    return std::clamp(days, 24, 40);
}

CycleRules CycleRulesOf(const Settings& settings) {
    return {.customLength = settings.customCycleLength,
            .fertileDays = settings.fertileDays,
            .menstruationDays = settings.menstruationDays,
            .lutealDays = settings.lutealPhaseLength};
}

} // namespace lunea
