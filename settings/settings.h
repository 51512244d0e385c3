#pragma once
// The program's settings fields, their defaults, and their registry values.
#include "journal/cycle_rules.h"
#include "settings/registry_key.h"

#include <array>
#include <string>

namespace lunea {

struct Settings {
    static constexpr std::size_t PasswordCapacity = 30;
    static constexpr std::size_t LastUserCapacity = 50;
    static constexpr int IconSlots = 8;

    std::string Password; // empty: no password
    bool UseFahrenheit = false;
    int Color1 = 15780518; // clear days, 0x00BBGGRR
    int Color2 = 13027071; // flow days
    int Color3 = 13106894; // fertile days
    int Color4 = 16762618; // predicted flow
    int FCycles = 0;       // 0: the average cycle length is used
    int Ovulation = 5;     // fertile period, days
    int Menstruation = 5;  // predicted menstruation, days
    int LuterPhaseLength = 14;
    std::array<int, IconSlots> calIcon{1, 2, 3, 4, 5, 6, 7, 8};
    std::string LastUser;
};

// Reads every value; a missing, empty, malformed or non-string value takes
// its default, so reading never fails.
Settings ReadSettings(const RegistryKey& key);

// Writes every value, in the order the program has always written them.
// False when any write failed (the rest are still attempted).
bool WriteAllSettings(RegistryKey& key, const Settings& settings);
bool WriteLastUser(RegistryKey& key, const Settings& settings);

// What of the settings the cycle analysis follows.
CycleRules CycleRulesOf(const Settings& settings);

// A custom cycle length as the Preferences page stores it: within 24..40.
int ClampCustomCycleLength(int days);

} // namespace lunea
