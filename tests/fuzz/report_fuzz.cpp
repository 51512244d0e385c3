// Any data file, drawn as both reports with the options and settings the
// first bytes choose: no undefined behaviour, every drawing near its picture
// and the notes bounded by the days drawn.
#include "journal/cycle_analysis.h"
#include "journal/data_file.h"
#include "tests/fuzz/fuzz_support.h"
#include "tests/fuzz/journal_in_memory.h"
#include "tests/unit/report_test_support.h"

#include <string>

namespace {

using namespace lunea;

const std::string kDataFile = "Lunea.dat";

// As far beyond the picture as a clipped point and its circle may lie.
constexpr int kBeyond = 1003;

bool NearThePicture(const RecordingCanvas& canvas, PictureSize size) {
    for (const DrawCall& call : canvas.Calls())
        for (const Point& p : testing::PointsOf(call))
            if (p.x < -kBeyond || p.x > size.width + kBeyond || p.y < -kBeyond ||
                p.y > size.height + kBeyond)
                return false;
    return true;
}

AdvancedRows RowsFrom(std::uint8_t low, std::uint8_t high) {
    const unsigned bits = low | high << 8;
    AdvancedRows rows;
    bool AdvancedRows::*const all[] = {
        &AdvancedRows::sex,          &AdvancedRows::menses,     &AdvancedRows::calendarMethod,
        &AdvancedRows::temperature,  &AdvancedRows::mucus,      &AdvancedRows::pms,
        &AdvancedRows::cramps,       &AdvancedRows::protection, &AdvancedRows::secret,
        &AdvancedRows::appointments, &AdvancedRows::notes};
    for (std::size_t i = 0; i < std::size(all); ++i)
        rows.*all[i] = (bits >> i & 1) == 0;
    return rows;
}

// A setting as the registry may hold it: mostly small, now and then extreme.
int SettingFrom(std::uint8_t byte) {
    if (byte == 0xFF)
        return 2147483647;
    if (byte == 0xFE)
        return -2147483647 - 1;
    return static_cast<int>(byte) - 8;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::MemoryFileSystem files;
    static fuzz::SilentPrompts prompts;
    static Journal journal{files, prompts};
    static CycleAnalysis cycles;

    fuzz::FuzzInput input(data, size);
    Settings settings;
    const std::uint8_t options = input.Byte();
    settings.useFahrenheit = options & 1;
    settings.customCycleLength = (options & 2) ? SettingFrom(input.Byte()) : 0;
    settings.lutealPhaseLength = SettingFrom(input.Byte());
    settings.fertileDays = SettingFrom(input.Byte());
    const AdvancedRows rows = RowsFrom(input.Byte(), input.Byte());
    const int first = static_cast<int>(input.Byte()) - 2;
    const int perPage = static_cast<int>(input.Byte()) - 2;
    const std::span<const std::uint8_t> file = input.Rest();

    files.files.clear();
    files.files[kDataFile].assign(file.begin(), file.end());
    journal.LoadData(kDataFile);
    cycles.Analyse(journal.Days(), CycleRulesOf(settings));

    const ReportInput report{
        journal.Days(), cycles, settings, first, perPage, rows, [](CivilDate d) {
            return std::to_string(d.day);
        }};
    for (const ReportRenderer* renderer : {&StandardReport(), &AdvancedReport()}) {
        RecordingCanvas canvas;
        renderer->Draw(canvas, report);
        const PictureSize picture = renderer->SizeOf(report);
        fuzz::Check(picture.Empty() == canvas.Calls().empty(), "a picture exactly when drawn");
        fuzz::Check(NearThePicture(canvas, picture), "every drawing near the picture");
        // One line per recorded day at most, four per cycle besides.
        fuzz::Check(renderer->Notes(report).size() <= 4u * CycleAnalysis::kMaxEntries + 7305u,
                    "the notes are bounded by the table");
    }
    return 0;
}
