#include "common/day_serial.h"

#include <gtest/gtest.h>

namespace lunea {
namespace {

TEST(DaySerial, KnownAnchorsOfTheJournal) {
    EXPECT_EQ(DateToSerial({2000, 1, 1}), 36526);
    EXPECT_EQ(DateToSerial({2019, 12, 31}), 43830);
    EXPECT_EQ(DateToSerial({1899, 12, 30}), 0);
    EXPECT_EQ(SerialToDate(36526), (CivilDate{2000, 1, 1}));
    EXPECT_EQ(SerialToDate(43830), (CivilDate{2019, 12, 31}));
}

TEST(DaySerial, RoundTripsEveryDayOfTheTableYearsAndBeyond) {
    for (std::int32_t serial = 1; serial < 80000; ++serial) {
        const CivilDate date = SerialToDate(serial);
        ASSERT_TRUE(IsRealDate(date)) << serial;
        ASSERT_EQ(DateToSerial(date), serial);
    }
}

TEST(DaySerial, LeapYearsAndWeekdays) {
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
    EXPECT_EQ(DaysInMonth(2100, 2), 28);
    EXPECT_EQ(DaysInMonth(2004, 2), 29);
    EXPECT_EQ(DaysInMonth(2003, 2), 28);
    EXPECT_FALSE(IsRealDate({2001, 2, 29}));
    EXPECT_FALSE(IsRealDate({2001, 4, 31}));
    EXPECT_EQ(DayOfWeek({2000, 1, 1}), 6);  // a Saturday
    EXPECT_EQ(DayOfWeek({2004, 12, 1}), 3); // a Wednesday
}

} // namespace
} // namespace lunea
