#include "settings/prefs_values.h"

#include <charconv>

namespace lunea {
namespace {

const char* const kIconKindCaptions[kIconKindCount] = {
    "None", "Protection", "Cerv.Fluid", "Dr.apt.", "Temp.",   "PMS",
    "Sex",  "Note",       "Cramps",     "Secret",  "Boy/Girl"};

// The field takes two digits at most; blank (or anything else) reads as 0,
// which the clamp raises to the shortest plausible cycle.
int DaysOf(const std::string& text) {
    int days = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), days);
    return error == std::errc() && end == text.data() + text.size() ? days : 0;
}

} // namespace

int ShownIconKind(int kind) {
    return kind >= 0 && kind < kIconKindCount ? kind : 0;
}

std::string IconKindCaption(int kind) {
    return kIconKindCaptions[ShownIconKind(kind)];
}

PrefsValues PrefsValuesOf(const Settings& settings) {
    PrefsValues values;
    values.password = settings.Password;
    values.fahrenheit = settings.UseFahrenheit;
    values.customCycle = settings.FCycles != 0;
    values.customDays = values.customCycle ? std::to_string(settings.FCycles) : "";
    values.colors = {settings.Color1, settings.Color2, settings.Color3, settings.Color4};
    values.ovulation = settings.Ovulation;
    values.menstruation = settings.Menstruation;
    values.luterPhase = settings.LuterPhaseLength;
    return values;
}

bool TakeOverPrefs(const PrefsValues& values, Settings& settings) {
    const bool passwordDisabled = !settings.Password.empty() && values.password.empty();
    settings.Password = values.password.substr(0, Settings::PasswordCapacity);
    settings.UseFahrenheit = values.fahrenheit;
    settings.FCycles = values.customCycle ? ClampCustomCycleLength(DaysOf(values.customDays)) : 0;
    settings.Color1 = values.colors[0];
    settings.Color2 = values.colors[1];
    settings.Color3 = values.colors[2];
    settings.Color4 = values.colors[3];
    settings.Ovulation = values.ovulation;
    settings.Menstruation = values.menstruation;
    settings.LuterPhaseLength = values.luterPhase;
    return passwordDisabled;
}

void RestoreDefaultPrefs(Settings& settings) {
    const Settings defaults;
    settings.Color1 = defaults.Color1;
    settings.Color2 = defaults.Color2;
    settings.Color3 = defaults.Color3;
    settings.Color4 = defaults.Color4;
    settings.FCycles = defaults.FCycles;
    settings.Ovulation = defaults.Ovulation;
    settings.Menstruation = defaults.Menstruation;
    settings.LuterPhaseLength = defaults.LuterPhaseLength;
    settings.Password.clear();
    settings.calIcon = defaults.calIcon;
}

} // namespace lunea
