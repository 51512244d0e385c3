#include "app/month_navigation.h"

#include <gtest/gtest.h>

namespace lunea {
namespace {

TEST(MonthNavigationTest, PagesAcrossYearsWithinTheTable) {
    EXPECT_EQ(PreviousMonth({2005, 3}), (YearMonth{2005, 2}));
    EXPECT_EQ(PreviousMonth({2005, 1}), (YearMonth{2004, 12}));
    EXPECT_EQ(NextMonth({2005, 11}), (YearMonth{2005, 12}));
    EXPECT_EQ(NextMonth({2005, 12}), (YearMonth{2006, 1}));
}

TEST(MonthNavigationTest, StaysAtTheEndsOfTheTable) {
    EXPECT_EQ(PreviousMonth({2000, 1}), (YearMonth{2000, 1}));
    EXPECT_EQ(NextMonth({2078, 12}), (YearMonth{2078, 12}));
    EXPECT_EQ(NextMonth({2078, 11}), (YearMonth{2078, 12}));
    EXPECT_EQ(NextMonth({2019, 12}), (YearMonth{2020, 1}));
    EXPECT_EQ(PreviousMonth({2000, 2}), (YearMonth{2000, 1}));
}

TEST(MonthNavigationTest, Caption) {
    EXPECT_EQ(MonthCaption("December", 2004), "December, 2004");
    EXPECT_EQ(MonthCaption("January", 2002), "January, 2002");
}

} // namespace
} // namespace lunea
