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

TEST(MonthNavigationTest, CalendarKeysStepTheSelection) {
    using enum DateStep;
    const CivilDate today{2026, 12, 10};
    const struct {
        CivilDate from;
        DateStep step;
        CivilDate to;
    } cases[] = {
        {{2005, 3, 15}, NextDay, {2005, 3, 16}},
        {{2005, 3, 31}, NextDay, {2005, 4, 1}},
        {{2005, 1, 1}, PreviousDay, {2004, 12, 31}},
        {{2004, 3, 1}, PreviousDay, {2004, 2, 29}},
        {{2005, 3, 1}, PreviousDay, {2005, 2, 28}},
        {{2005, 12, 28}, NextWeek, {2006, 1, 4}},
        {{2004, 3, 3}, PreviousWeek, {2004, 2, 25}},
        {{2000, 1, 1}, PreviousDay, {2000, 1, 1}},
        {{2000, 1, 6}, PreviousWeek, {2000, 1, 6}},
        {{2078, 12, 31}, NextDay, {2078, 12, 31}},
        {{2078, 12, 26}, NextWeek, {2078, 12, 26}},
        {{2078, 12, 24}, NextWeek, {2078, 12, 31}},
        {{2005, 1, 31}, NextMonth, {2005, 2, 28}},
        {{2004, 1, 31}, NextMonth, {2004, 2, 29}},
        {{2000, 2, 29}, NextMonth, {2000, 3, 29}},
        {{2005, 3, 31}, PreviousMonth, {2005, 2, 28}},
        {{2005, 5, 31}, PreviousMonth, {2005, 4, 30}},
        {{2005, 1, 15}, PreviousMonth, {2004, 12, 15}},
        {{2005, 12, 31}, NextMonth, {2006, 1, 31}},
        {{2000, 1, 20}, PreviousMonth, {2000, 1, 20}},
        {{2078, 12, 20}, NextMonth, {2078, 12, 20}},
        {{2005, 3, 15}, Today, {2026, 12, 10}},
    };
    for (const auto& c : cases) {
        const CivilDate to = StepSelection(c.from, c.step, today);
        EXPECT_EQ(to, c.to) << c.from.year << "-" << c.from.month << "-" << c.from.day << " step "
                            << static_cast<int>(c.step) << " gave " << to.year << "-" << to.month
                            << "-" << to.day;
    }
    EXPECT_EQ(StepSelection({2005, 3, 15}, Today, {2090, 6, 1}), (CivilDate{2078, 12, 31}));
    EXPECT_EQ(StepSelection({2005, 3, 15}, Today, {1999, 6, 1}), (CivilDate{2000, 1, 1}));
}

} // namespace
} // namespace lunea
