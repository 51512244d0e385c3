#pragma once
// The program's settings fields, their defaults, and their registry values.
#include "journal/cycle_rules.h"
#include "common/registry_key.h"

#include <array>
#include <string>

namespace lunea {

struct Settings {
    static constexpr std::size_t kPasswordCapacity = 30;
    static constexpr std::size_t kLastUserCapacity = 50;
    static constexpr int kIconSlots = 8;

    std::string password; // empty: no password
    bool useFahrenheit = false;
    int clearDayColor = 15780518;      // clear days, 0x00BBGGRR
    int flowDayColor = 13027071;       // flow days
    int fertileDayColor = 13106894;    // fertile days
    int predictedFlowColor = 16762618; // predicted flow
    int customCycleLength = 0;         // 0: the average cycle length is used
    int fertileDays = 5;               // fertile period, days
    int menstruationDays = 5;          // predicted menstruation, days
    int lutealPhaseLength = 14;
    std::array<int, kIconSlots> iconKinds{1, 2, 3, 4, 5, 6, 7, 8};
    std::string lastUser;
    bool showCoverline = true; // the temperature shift on the Temperature chart
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
