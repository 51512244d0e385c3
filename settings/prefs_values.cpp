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
    values.password = settings.password;
    values.fahrenheit = settings.useFahrenheit;
    values.customCycle = settings.customCycleLength != 0;
    values.customDays = values.customCycle ? std::to_string(settings.customCycleLength) : "";
    values.colors = {settings.clearDayColor, settings.flowDayColor, settings.fertileDayColor,
                     settings.predictedFlowColor};
    values.fertileDays = settings.fertileDays;
    values.menstruationDays = settings.menstruationDays;
    values.lutealDays = settings.lutealPhaseLength;
    values.showCoverline = settings.showCoverline;
    return values;
}

bool TakeOverPrefs(const PrefsValues& values, Settings& settings) {
    const bool passwordDisabled = !settings.password.empty() && values.password.empty();
    settings.password = values.password.substr(0, Settings::kPasswordCapacity);
    settings.useFahrenheit = values.fahrenheit;
    settings.customCycleLength =
        values.customCycle ? ClampCustomCycleLength(DaysOf(values.customDays)) : 0;
    settings.clearDayColor = values.colors[0];
    settings.flowDayColor = values.colors[1];
    settings.fertileDayColor = values.colors[2];
    settings.predictedFlowColor = values.colors[3];
    settings.fertileDays = values.fertileDays;
    settings.menstruationDays = values.menstruationDays;
    settings.lutealPhaseLength = values.lutealDays;
    settings.showCoverline = values.showCoverline;
    return passwordDisabled;
}

void RestoreDefaultPrefs(Settings& settings) {
    const Settings defaults;
    settings.clearDayColor = defaults.clearDayColor;
    settings.flowDayColor = defaults.flowDayColor;
    settings.fertileDayColor = defaults.fertileDayColor;
    settings.predictedFlowColor = defaults.predictedFlowColor;
    settings.customCycleLength = defaults.customCycleLength;
    settings.fertileDays = defaults.fertileDays;
    settings.menstruationDays = defaults.menstruationDays;
    settings.lutealPhaseLength = defaults.lutealPhaseLength;
    settings.showCoverline = defaults.showCoverline;
    settings.password.clear();
    settings.iconKinds = defaults.iconKinds;
}

} // namespace lunea
