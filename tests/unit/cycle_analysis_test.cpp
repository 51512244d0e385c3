#include "journal/cycle_analysis.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace lunea {
namespace {

class CycleAnalysisTest : public ::testing::Test {
  protected:
    // Records a menstruation of the given number of days from its first day.
    void Flow(CivilDate first, int days, std::uint8_t status = 2) {
        const std::int32_t start = DateToSerial(first);
        for (int i = 0; i < days; ++i)
            if (TDayRecord* day = table->AtSerial(start + i)) // none past the table
                day->Status = status;
    }
    void Analyse() { analysis.Analyse(*table, rules); }
    DayClass Classify(CivilDate date) const { return analysis.ClassifyDay(*table, date, rules); }
    static std::int32_t Serial(CivilDate date) { return DateToSerial(date); }

    std::unique_ptr<DayTable> table = std::make_unique<DayTable>();
    CycleRules rules;
    CycleAnalysis analysis;
};

TEST_F(CycleAnalysisTest, WorkedExampleWithTheDefaults) {
    Flow({2010, 3, 1}, 5);
    Flow({2010, 3, 29}, 4);
    Analyse();

    EXPECT_EQ(analysis.cycleCount, 2);
    EXPECT_EQ(analysis.startDates[1], Serial({2010, 3, 29}));
    EXPECT_EQ(analysis.startDates[2], Serial({2010, 3, 1}));
    EXPECT_EQ(analysis.cycleLengths[2], 28);
    EXPECT_EQ(analysis.averageLength, 28);
    EXPECT_EQ(analysis.effectiveLength, 28);
    EXPECT_EQ(analysis.cycleLengths[1], 28);
    EXPECT_EQ(analysis.predictedDates[1], Serial({2010, 4, 26}));
    EXPECT_EQ(analysis.predictedDates[2], Serial({2010, 5, 24}));
    EXPECT_EQ(analysis.cycleLengths[3], 0);

    const DayClass march11 = Classify({2010, 3, 11});
    EXPECT_EQ(march11.kind, kClearDay);
    const DayClass march12 = Classify({2010, 3, 12});
    EXPECT_EQ(march12.kind, kFertileDay);
    EXPECT_TRUE(march12.girlMark);
    EXPECT_FALSE(march12.boyMark);
    const DayClass march13 = Classify({2010, 3, 13});
    EXPECT_EQ(march13.kind, kFertileDay);
    EXPECT_FALSE(march13.girlMark || march13.boyMark);
    for (int day = 14; day <= 16; ++day) {
        const DayClass boy = Classify({2010, 3, day});
        EXPECT_EQ(boy.kind, kFertileDay) << day;
        EXPECT_TRUE(boy.boyMark && !boy.girlMark) << day;
    }
    EXPECT_EQ(Classify({2010, 3, 17}).kind, kClearDay);
    EXPECT_EQ(Classify({2010, 3, 29}).kind, kFlowDay);
    EXPECT_EQ(Classify({2010, 3, 1}).kind, kFlowDay);
    for (int day = 26; day <= 30; ++day)
        EXPECT_EQ(Classify({2010, 4, day}).kind, kPredictedFlowDay) << day;
    EXPECT_EQ(Classify({2010, 5, 1}).kind, kClearDay);
    // The current cycle's window lies before the first prediction.
    EXPECT_EQ(Classify({2010, 4, 9}).kind, kFertileDay);
    EXPECT_EQ(Classify({2010, 4, 13}).kind, kFertileDay);
    EXPECT_EQ(Classify({2010, 4, 14}).kind, kClearDay);
}

TEST_F(CycleAnalysisTest, StartsNeedAKnownNonFlowDayBefore) {
    Flow({2005, 12, 30}, 4); // across the year boundary: one start
    Flow({2006, 2, 1}, 1);
    table->At(2006, 2, 2).Status = 4;
    Flow({2006, 2, 3}, 2, 3);
    Flow({2000, 1, 1}, 3); // the table's first day has no day before it
    Analyse();

    ASSERT_EQ(analysis.cycleCount, 3);
    EXPECT_EQ(analysis.startDates[1], Serial({2006, 2, 3}));
    EXPECT_EQ(analysis.startDates[2], Serial({2006, 2, 1}));
    EXPECT_EQ(analysis.startDates[3], Serial({2005, 12, 30}));
    EXPECT_EQ(analysis.cycleLengths[2], 2);
    EXPECT_EQ(analysis.cycleLengths[3], 33);
}

TEST_F(CycleAnalysisTest, ASingleStartAveragesTo28AndPredictsEvery28Days) {
    Flow({2078, 10, 1}, 5);
    Analyse();
    EXPECT_EQ(analysis.cycleCount, 1);
    EXPECT_EQ(analysis.averageLength, 28);
    EXPECT_EQ(analysis.predictedCount, 3); // 29 Oct, 26 Nov, 24 Dec 2078
    EXPECT_EQ(analysis.predictedDates[3], Serial({2078, 12, 24}));
    EXPECT_EQ(analysis.predictedDates[4], 0);
    // The last prediction has its flow but no fertile window before it.
    EXPECT_EQ(Classify({2078, 12, 24}).kind, kPredictedFlowDay);
    EXPECT_EQ(Classify({2078, 12, 31}).kind, kClearDay);
    EXPECT_EQ(Classify({2078, 12, 10}).kind, kClearDay);
    EXPECT_EQ(Classify({2078, 11, 12}).kind, kFertileDay);
}

TEST_F(CycleAnalysisTest, TheFirstPredictionIsKeptWhateverItsYear) {
    const struct {
        CivilDate flow;
        CivilDate firstPrediction;
    } cases[] = {{{2078, 12, 20}, {2079, 1, 17}}, {{2078, 12, 31}, {2079, 1, 28}}};
    for (const auto& c : cases) {
        table = std::make_unique<DayTable>();
        Flow(c.flow, 3); // past the table's last day for the second
        Analyse();
        EXPECT_EQ(analysis.startDates[1], Serial(c.flow));
        EXPECT_EQ(analysis.predictedCount, 1);
        EXPECT_EQ(analysis.predictedDates[1], Serial(c.firstPrediction));
    }
}

TEST_F(CycleAnalysisTest, OnlyPlausibleLengthsCountAndTheAverageRoundsHalfToEven) {
    auto lengths = [&](std::initializer_list<int> days) {
        table = std::make_unique<DayTable>();
        std::int32_t start = Serial({2003, 1, 5});
        Flow(SerialToDate(start), 3);
        for (int length : days) {
            start += length;
            Flow(SerialToDate(start), 3);
        }
        Analyse();
        return analysis.averageLength;
    };
    EXPECT_EQ(lengths({23, 41, 24, 40}), 32);
    EXPECT_EQ(analysis.cycleLengths[4], 41) << "implausible lengths are still listed";
    EXPECT_EQ(analysis.cycleLengths[5], 23);
    EXPECT_EQ(lengths({29, 30}), 30);
    EXPECT_EQ(lengths({28, 29}), 28);
    EXPECT_EQ(lengths({23, 41}), 28);
}

TEST_F(CycleAnalysisTest, AFixedLengthDrivesThePredictionsButNotTheAverage) {
    Flow({2012, 1, 1}, 4);
    Flow({2012, 1, 29}, 4);
    Flow({2012, 2, 26}, 4);
    rules.customLength = 35;
    Analyse();
    EXPECT_EQ(analysis.averageLength, 28);
    EXPECT_EQ(analysis.effectiveLength, 35);
    EXPECT_EQ(analysis.cycleLengths[1], 35);
    EXPECT_EQ(analysis.predictedDates[1], Serial({2012, 4, 1}));
    EXPECT_EQ(analysis.predictedDates[2], Serial({2012, 5, 6}));
}

TEST_F(CycleAnalysisTest, TheAverageSurvivesAnAnalysisWithoutStarts) {
    Flow({2012, 1, 1}, 4);
    Flow({2012, 1, 31}, 4);
    Analyse();
    EXPECT_EQ(analysis.averageLength, 30);

    table = std::make_unique<DayTable>();
    Analyse();
    EXPECT_EQ(analysis.cycleCount, 0);
    EXPECT_EQ(analysis.averageLength, 30);
    EXPECT_EQ(analysis.predictedCount, 0);
    EXPECT_EQ(analysis.predictedDates[1], 0);
    EXPECT_EQ(analysis.startDates[1], 0);
    EXPECT_EQ(Classify({2012, 2, 2}).kind, kClearDay);

    CycleAnalysis fresh; // no average yet: nothing predicted
    fresh.Analyse(*table, rules);
    EXPECT_EQ(fresh.effectiveLength, 0);
    EXPECT_EQ(fresh.predictedCount, 0);
}

TEST_F(CycleAnalysisTest, AtMost500StartsAnd500Predictions) {
    // A flow day every other day: over 3600 starts, the newest 500 kept.
    for (std::int32_t serial = Serial({2000, 1, 2}); serial <= Serial({2078, 12, 31}); serial += 2)
        table->At(SerialToDate(serial)).Status = 1;
    Analyse();
    EXPECT_EQ(analysis.cycleCount, 500);
    EXPECT_EQ(analysis.startDates[1],
              Serial({2078, 12, 31}) - (Serial({2078, 12, 31}) - Serial({2000, 1, 2})) % 2);
    EXPECT_EQ(analysis.startDates[500], analysis.startDates[1] - 2 * 499);

    table = std::make_unique<DayTable>();
    Flow({2000, 1, 10}, 1);
    rules.customLength = 2;
    Analyse();
    EXPECT_EQ(analysis.predictedCount, 500);
    EXPECT_EQ(analysis.predictedDates[500], Serial({2000, 1, 10}) + 1000);
}

TEST_F(CycleAnalysisTest, ViewsHoldTheFilledEntriesOfTheOneBasedLists) {
    const struct {
        const char* name;
        std::function<void()> record;
        int fixedLength;
        std::size_t starts;
        std::size_t predictions;
    } cases[] = {
        {"worked example",
         [&] {
             Flow({2078, 3, 1}, 5);
             Flow({2078, 3, 29}, 4);
         },
         0, 2, 9},
        {"empty journal", [] {}, 0, 0, 0},
        {"a flow day every other day",
         [&] {
             for (std::int32_t serial = Serial({2000, 1, 2}); serial <= Serial({2078, 12, 31});
                  serial += 2)
                 table->At(SerialToDate(serial)).Status = 1;
         },
         0, 500, 1},
        {"a prediction every other day",
         [&] {
             Flow({2000, 1, 10}, 1);
         },
         2, 1, 500},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        table = std::make_unique<DayTable>();
        c.record();
        rules.customLength = c.fixedLength;
        analysis = CycleAnalysis{};
        Analyse();

        ASSERT_EQ(analysis.Starts().size(), c.starts);
        ASSERT_EQ(analysis.Lengths().size(), c.starts);
        ASSERT_EQ(analysis.PredictedStarts().size(), c.predictions);
        for (std::size_t i = 0; i < c.starts; ++i) {
            EXPECT_EQ(analysis.Starts()[i], analysis.startDates[i + 1]) << i;
            EXPECT_EQ(analysis.Lengths()[i], analysis.cycleLengths[i + 1]) << i;
        }
        for (std::size_t i = 0; i < c.predictions; ++i)
            EXPECT_EQ(analysis.PredictedStarts()[i], analysis.predictedDates[i + 1]) << i;
    }
}

TEST_F(CycleAnalysisTest, LaterStepsOverrideEarlierOnes) {
    // A long recorded flow reaching into the window before the next start.
    Flow({2014, 6, 1}, 14);
    Flow({2014, 6, 29}, 3);
    Analyse();
    const DayClass flowInWindow = Classify({2014, 6, 14});
    EXPECT_EQ(flowInWindow.kind, kFertileDay);
    EXPECT_TRUE(flowInWindow.boyMark);

    // A predicted flow day inside the window of the following prediction.
    rules.customLength = 24;
    rules.menstruationDays = 10;
    rules.fertileDays = 10;
    rules.lutealDays = 8;
    Analyse();
    const std::int32_t first = analysis.predictedDates[1];
    EXPECT_EQ(Classify(SerialToDate(first + 7)).kind, kPredictedFlowDay);
    EXPECT_EQ(Classify(SerialToDate(first + 8)).kind, kFertileDay);
    EXPECT_EQ(Classify(SerialToDate(first + 9)).kind, kFertileDay);
}

TEST_F(CycleAnalysisTest, ImplausibleRecordedCyclesHaveNoFertileWindow) {
    Flow({2009, 1, 1}, 3);
    Flow({2009, 2, 20}, 3); // 50 days later
    Flow({2009, 3, 20}, 3);
    Analyse();
    EXPECT_EQ(Classify({2009, 2, 5}).kind, kClearDay);   // window before 20 February
    EXPECT_EQ(Classify({2009, 3, 5}).kind, kFertileDay); // window before 20 March
}

TEST_F(CycleAnalysisTest, HandEditedSettingsAtTheIntLimitDoNotOverflow) {
    Flow({2010, 3, 1}, 5);
    Flow({2010, 3, 29}, 4);
    rules.customLength = INT32_MAX;
    rules.lutealDays = INT32_MAX;
    rules.fertileDays = INT32_MAX;
    rules.menstruationDays = INT32_MAX;
    Analyse();

    EXPECT_EQ(analysis.predictedCount, 1);
    EXPECT_EQ(analysis.predictedDates[1], INT32_MAX);
    EXPECT_EQ(Classify({2010, 3, 20}).kind, kClearDay);
}

// The classification rule read literally, every start tried in list order.
DayClass ClassifyByEveryStart(const CycleAnalysis& analysis, const DayTable& days, CivilDate date,
                              const CycleRules& rules) {
    const std::int64_t serial = DateToSerial(date), luteal = rules.lutealDays;
    DayClass result;
    const std::uint8_t status = days.At(date).Status;
    if (status >= 1 && status <= 3)
        result.kind = kFlowDay;
    auto fertile = [&](std::int64_t start) {
        const std::int64_t n = start - serial;
        if (n < 1 || n < luteal - 1 || n > luteal + rules.fertileDays - 2)
            return false;
        result.kind = kFertileDay;
        result.boyMark = n <= luteal + 1;
        result.girlMark = n >= luteal + 3;
        return true;
    };
    const auto starts = analysis.Starts();
    for (std::size_t i = 0; i + 1 < starts.size(); ++i)
        if (IsPlausibleCycleLength(analysis.Lengths()[i + 1]) && fertile(starts[i]))
            break;
    const auto predicted = analysis.PredictedStarts();
    for (const std::int32_t start : predicted)
        if (start <= serial && serial < std::int64_t{start} + rules.menstruationDays)
            result.kind = kPredictedFlowDay;
    for (std::size_t k = 0; k + 1 < predicted.size(); ++k)
        if (fertile(predicted[k]))
            break;
    return result;
}

TEST_F(CycleAnalysisTest, TheSortedListsClassifyAsEveryStartTriedInTurn) {
    const struct {
        int luteal, fertileDays, menstruationDays, fixedLength;
    } rulesCases[] = {{14, 6, 5, 0},
                      {2, 40, 30, 0},
                      {-5, 3, -2, 0},
                      {30, 1, 60, 21},
                      {INT32_MAX, INT32_MAX, INT32_MAX, 0},
                      {0, 0, 0, 2}};
    // Cycles of 20 to 45 days from 2070 on: plausible and implausible ones.
    std::int32_t start = Serial({2070, 1, 4});
    for (int i = 0; start < Serial({2078, 10, 1}); start += 20 + (i++ * 7) % 26)
        Flow(SerialToDate(start), 1 + i % 6);
    for (const auto& c : rulesCases) {
        rules.lutealDays = c.luteal;
        rules.fertileDays = c.fertileDays;
        rules.menstruationDays = c.menstruationDays;
        rules.customLength = c.fixedLength;
        Analyse();
        for (std::int32_t serial = Serial({2069, 12, 1}); serial <= Serial({2078, 12, 31});
             ++serial) {
            const CivilDate date = SerialToDate(serial);
            const DayClass expected = ClassifyByEveryStart(analysis, *table, date, rules);
            const DayClass got = Classify(date);
            ASSERT_TRUE(got.kind == expected.kind && got.boyMark == expected.boyMark &&
                        got.girlMark == expected.girlMark)
                << c.luteal << "/" << c.fertileDays << " on " << date.day << "." << date.month
                << "." << date.year;
        }
    }
}

TEST_F(CycleAnalysisTest, AnAnalysisKeptBetweenEditsSeesEachEditAndEachTable) {
    Flow({2026, 1, 31}, 3);
    Flow({2026, 3, 1}, 3);
    Analyse();
    ASSERT_EQ(analysis.cycleCount, 2);

    const auto expectSameAsFresh = [&](const DayTable& days, const char* step) {
        analysis.Analyse(days, rules);
        CycleAnalysis fresh;
        fresh.Analyse(days, rules);
        EXPECT_EQ(analysis.cycleCount, fresh.cycleCount) << step;
        EXPECT_EQ(analysis.startDates, fresh.startDates) << step;
    };
    table->At(2026, 1, 30).Status = 1; // the start moves back a day
    expectSameAsFresh(*table, "an edit");
    EXPECT_EQ(analysis.startDates[2], Serial({2026, 1, 30}));
    table->At(2026, 2, 28).Status = 5; // the month before a start, at its end
    table->At(2026, 3, 1).Status = 0;
    expectSameAsFresh(*table, "an edit at a month's end");
    DayTable copy = *table;
    copy.At(2026, 3, 2).Status = 3;
    expectSameAsFresh(copy, "a copy, edited");
    table->ClearYears(2026, 2026);
    expectSameAsFresh(*table, "a cleared year");
    EXPECT_EQ(analysis.cycleCount, 0);
}

} // namespace
} // namespace lunea
