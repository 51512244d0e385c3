#pragma once
// The whole number a spin edit holds, from whatever its text is: typed,
// pasted or left blank, it is clamped to the range when it is read.

#include <string_view>

namespace lunea {

struct SpinRange {
    int minimum = 0;
    int maximum = 0;
    int Clamp(int value) const {
        return value < minimum ? minimum : value > maximum ? maximum : value;
    }
};

// Digits only count; blank or anything else reads as the minimum, a number
// beyond the range (however many digits) as the nearest end.
int SpinValueOf(std::string_view text, const SpinRange& range);

} // namespace lunea
