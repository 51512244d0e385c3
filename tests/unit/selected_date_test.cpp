#include "app/selected_date.h"

#include <gtest/gtest.h>

namespace lunea {
namespace {

TEST(InitialSelection, TodayOutsideTheTableSelectsTheNearestDay) {
    EXPECT_EQ(InitialSelection({2079, 1, 1}), (CivilDate{2078, 12, 31}));
    EXPECT_EQ(InitialSelection({2026, 12, 8}), (CivilDate{2026, 12, 8}));
    EXPECT_EQ(InitialSelection({1999, 6, 1}), (CivilDate{2000, 1, 1}));
    EXPECT_EQ(InitialSelection({2012, 2, 29}), (CivilDate{2012, 2, 29}));
}

} // namespace
} // namespace lunea
