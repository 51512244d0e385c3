#include "components/controls/spin_value.h"

#include <algorithm>

namespace lunea {

int SpinValueOf(std::string_view text, const SpinRange& range) {
    if (text.empty() ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return range.minimum;
    // Leading zeros skipped, so that only the significant digits decide
    // whether the number could exceed the range.
    const auto first = text.find_first_not_of('0');
    if (first == std::string_view::npos)
        return range.Clamp(0);
    const std::string_view digits = text.substr(first);
    if (digits.size() > 9)
        return range.maximum;
    int value = 0;
    for (const char c : digits)
        value = value * 10 + (c - '0');
    return range.Clamp(value);
}

} // namespace lunea
