#pragma once
// The values the cycle analysis follows, as the user sets them in the
// preferences.

namespace lunea {

struct CycleRules {
    int customLength = 0;     // days of a cycle; 0: the average length is used
    int fertileDays = 5;      // the fertile window's length
    int menstruationDays = 5; // a predicted menstruation's length
    int lutealDays = 14;      // from ovulation to the next start
};

} // namespace lunea
