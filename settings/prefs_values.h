#pragma once
// What the Preferences page shows, as plain values: filled from the
// settings when the page opens, taken over into them when it is left, and
// the defaults of its "Default Settings" buttons.

#include "settings/settings.h"

#include <array>
#include <string>

namespace lunea {

inline constexpr int kIconKindCount = 11;

// The kind menu's caption of an icon kind; a kind outside 0..10 (a
// hand-edited registry) shows as "None", which is also what the calendar
// draws for it.
std::string IconKindCaption(int kind);
// The kind a slot's button shows: the kind itself, or 0 outside 0..10.
int ShownIconKind(int kind);

struct PrefsValues {
    std::string password;
    bool fahrenheit = false;
    bool customCycle = false;
    std::string customDays; // the two-digit field as typed
    std::array<int, 4> colors{};
    int fertileDays = 0;
    int menstruationDays = 0;
    int lutealDays = 0;
    bool showCoverline = true;
};

PrefsValues PrefsValuesOf(const Settings& settings);

// Takes the page's values over into the settings (the icon slots are kept:
// the page changes them at once). True when a password was set and is now
// empty: the user is told "Password is disabled!".
bool TakeOverPrefs(const PrefsValues& values, Settings& settings);

// "Default Settings": every setting of the page to its default but the
// temperature format; the icon slots to 1..8.
void RestoreDefaultPrefs(Settings& settings);

} // namespace lunea
