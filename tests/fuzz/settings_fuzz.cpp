// Any registry strings give settings without undefined behaviour, also in
// the cycle analysis and the month drawn with them on a journal of every year
// of the table; the
// settings written back read as the same settings.
#include "app/month_view.h"
#include "components/canvas/recording_canvas.h"
#include "journal/cycle_analysis.h"
#include "common/memory_registry_key.h"
#include "settings/settings.h"
#include "tests/fuzz/fuzz_support.h"

#include <array>
#include <string>
#include <tuple>

namespace {

using namespace lunea;

const std::array<const char*, 20> kValueNames = {
    "Quorv",     "TempFormat",   "Color1",   "Color2",           "Color3",   "Color4",   "FCycles",
    "Ovulation", "Menstruation", "LastUser", "LuterPhaseLength", "calIcon0", "calIcon1", "calIcon2",
    "calIcon3",  "calIcon4",     "calIcon5", "calIcon6",         "calIcon7", "Unknown"};

// Cycles of 21 to 44 days with five flow days and a cervical-fluid status
// here and there, over the table's years: made once, the same for every input.
const DayTable& WholeTable() {
    static const DayTable days = [] {
        DayTable table;
        std::uint32_t state = 12345;
        const auto next = [&state](std::uint32_t range) {
            state = state * 1103515245u + 12345u;
            return (state >> 16) % range;
        };
        const std::int32_t last = DateToSerial({DayTable::LastYear, 12, 31});
        for (std::int32_t start = DateToSerial({2000, 1, 3}); start <= last;
             start += 21 + static_cast<std::int32_t>(next(24)))
            for (std::int32_t serial = start; serial < start + 14 && serial <= last; ++serial)
                table.AtSerial(serial)->Status =
                    static_cast<std::uint8_t>(serial < start + 5 ? 1 + next(3) : 4 + next(3));
        return table;
    }();
    return days;
}

auto Fields(const Settings& s) {
    return std::tie(s.password, s.useFahrenheit, s.clearDayColor, s.flowDayColor, s.fertileDayColor,
                    s.predictedFlowColor, s.customCycleLength, s.fertileDays, s.menstruationDays,
                    s.lutealPhaseLength, s.iconKinds, s.lastUser);
}

void CheckAnalysis(const CycleAnalysis& analysis) {
    fuzz::Check(analysis.cycleCount >= 0 && analysis.cycleCount <= CycleAnalysis::kMaxEntries,
                "the starts fit their list");
    fuzz::Check(analysis.predictedCount >= 0 &&
                    analysis.predictedCount <= CycleAnalysis::kMaxEntries,
                "the predictions fit their list");
    const auto starts = analysis.Starts();
    for (std::size_t i = 1; i < starts.size(); ++i)
        fuzz::Check(starts[i] < starts[i - 1], "the starts are newest first");
    const auto predicted = analysis.PredictedStarts();
    for (std::size_t i = 1; i < predicted.size(); ++i)
        fuzz::Check(predicted[i - 1] <= predicted[i], "the predictions ascend");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput input(data, size);
    const int year =
        DayTable::FirstYear + input.Byte() % (DayTable::LastYear - DayTable::FirstYear + 1);
    const int month = 1 + input.Byte() % 12;
    const bool mondayFirst = input.Byte() & 1;
    MemoryRegistryKey key;
    while (!input.Rest().empty()) {
        const std::string name = kValueNames[input.Byte() % kValueNames.size()];
        const std::uint8_t shape = input.Byte();
        const std::span<const std::uint8_t> text = input.Bytes(shape >> 1);
        if (shape & 1)
            key.PutNonString(name);
        else
            key.WriteString(name, std::string(text.begin(), text.end()));
    }

    const Settings settings = ReadSettings(key);
    fuzz::Check(settings.password.size() <= Settings::kPasswordCapacity, "the password is cut");
    fuzz::Check(settings.lastUser.size() <= Settings::kLastUserCapacity, "the last user is cut");
    MemoryRegistryKey written;
    fuzz::Check(WriteAllSettings(written, settings), "the settings are written");
    fuzz::Check(Fields(ReadSettings(written)) == Fields(settings),
                "the settings written read back the same");

    const DayTable& days = WholeTable();
    CycleAnalysis analysis;
    analysis.Analyse(days, CycleRulesOf(settings));
    CheckAnalysis(analysis);
    for (int day = 1; day <= DaysInMonth(year, month); ++day) {
        const DayKind kind =
            analysis.ClassifyDay(days, {year, month, day}, CycleRulesOf(settings)).kind;
        fuzz::Check(kind >= kClearDay && kind <= kPredictedFlowDay, "every day has a kind");
    }
    RecordingCanvas canvas;
    MonthViewLocale locale;
    locale.mondayFirst = mondayFirst;
    DrawMonth(canvas,
              MonthViewInput{days, settings, year, month, {DayTable::LastYear, 12, 31}, locale},
              analysis);
    fuzz::Check(!canvas.Calls().empty(), "the month is drawn");
    return 0;
}
