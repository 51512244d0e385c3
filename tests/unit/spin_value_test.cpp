// What a spin edit of 1..10 reads from whatever its text is.
#include "components/controls/spin_value.h"

#include <gtest/gtest.h>

namespace lunea {
namespace {

TEST(SpinValue, AnyTextReadsAsANumberWithinTheRange) {
    const SpinRange range{1, 10};
    const struct {
        const char* text;
        int value;
    } cases[] = {{"", 1},
                 {"0", 1},
                 {"7", 7},
                 {"10", 10},
                 {"11", 10},
                 {"999", 10},
                 {"abc", 1},
                 {"5x", 1},
                 {"007", 7},
                 {"-3", 1},
                 {"000", 1},
                 {"99999999999999999999", 10},
                 {"0000000000005", 5}};
    for (const auto& c : cases)
        EXPECT_EQ(SpinValueOf(c.text, range), c.value) << "'" << c.text << "'";
    EXPECT_EQ(SpinValueOf("0", SpinRange{0, 5}), 0);
    EXPECT_EQ(SpinValueOf("20", SpinRange{8, 18}), 18);
}

} // namespace
} // namespace lunea
