#include "settings/settings.h"

#include <algorithm>
#include <charconv>

namespace lunea {
namespace {

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
    settings.Password = ReadText(key, "Quorv").substr(0, Settings::PasswordCapacity);
    const std::string tempFormat = ReadText(key, "TempFormat");
    settings.UseFahrenheit = !tempFormat.empty() && tempFormat != "Celsius";
    settings.Color1 = ReadNumber(key, "Color1", settings.Color1);
    settings.Color2 = ReadNumber(key, "Color2", settings.Color2);
    settings.Color3 = ReadNumber(key, "Color3", settings.Color3);
    settings.Color4 = ReadNumber(key, "Color4", settings.Color4);
    settings.FCycles = ReadNumber(key, "FCycles", settings.FCycles);
    settings.Ovulation = ReadNumber(key, "Ovulation", settings.Ovulation);
    settings.Menstruation = ReadNumber(key, "Menstruation", settings.Menstruation);
    settings.LastUser = ReadText(key, "LastUser").substr(0, Settings::LastUserCapacity);
    settings.LuterPhaseLength = ReadNumber(key, "LuterPhaseLength", settings.LuterPhaseLength);
    // An empty first slot means the icons were never chosen: all defaults.
    if (!ReadText(key, IconValueName(0)).empty())
        for (int slot = 0; slot < Settings::IconSlots; ++slot)
            settings.calIcon[slot] = ReadNumber(key, IconValueName(slot), settings.calIcon[slot]);
    return settings;
}

bool WriteAllSettings(RegistryKey& key, const Settings& settings) {
    bool ok = key.WriteString("Quorv", settings.Password);
    ok &= WriteNumber(key, "Color1", settings.Color1);
    ok &= WriteNumber(key, "Color2", settings.Color2);
    ok &= WriteNumber(key, "Color3", settings.Color3);
    ok &= WriteNumber(key, "Color4", settings.Color4);
    ok &= WriteNumber(key, "FCycles", settings.FCycles);
    ok &= WriteNumber(key, "Ovulation", settings.Ovulation);
    ok &= WriteNumber(key, "Menstruation", settings.Menstruation);
    ok &= WriteNumber(key, "LuterPhaseLength", settings.LuterPhaseLength);
    for (int slot = 0; slot < Settings::IconSlots; ++slot)
        ok &= WriteNumber(key, IconValueName(slot), settings.calIcon[slot]);
    ok &= key.WriteString("TempFormat", settings.UseFahrenheit ? "Fahrenheit" : "Celsius");
    ok &= WriteLastUser(key, settings);
    return ok;
}

bool WriteLastUser(RegistryKey& key, const Settings& settings) {
    return key.WriteString("LastUser", settings.LastUser);
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
