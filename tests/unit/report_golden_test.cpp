// Both reports of one journal and its temperature chart with the coverline
// drawn on the pixel canvas, compared with the pictures kept beside this file. After a deliberate
// change of the drawing, write them anew with LUNEA_UPDATE_GOLDEN=1 and look at them before
// committing.
#include "components/canvas/bitmap_canvas.h"
#include "components/canvas/bmp_file.h"
#include "app/chart_contents.h"
#include "tests/unit/report_test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace lunea {
namespace {

// Three cycles of 29, 27 and 28 days with a rise after ovulation, and the
// start of a fourth.
testing::ReportJournal ThreeCycleJournal() {
    testing::ReportJournal journal;
    CivilDate start{2018, 3, 6};
    for (const int length : {29, 27, 28}) {
        const int ovulation = length - 14;
        for (int i = 0; i < length; ++i) {
            TDayRecord& day = journal.Day(start, i);
            constexpr std::uint8_t kFlow[] = {3, 3, 2, 2, 1};
            if (i < 5)
                day.Status = kFlow[i];
            else if (i >= ovulation - 3 && i < ovulation)
                day.Status = i == ovulation - 1 ? 6 : 5;
            const double wobble = ((i * 7 + length) % 5 - 2) * 0.05;
            day.Temperature = i % 9 == 4 ? 0.0 : (i <= ovulation ? 36.4 : 36.85) + wobble;
            day.Sex = i == ovulation - 2 || i == 20;
            day.PMS = i >= length - 3;
            day.Cramping = i == 0;
            day.Protect = i == 20;
            day.Secrets = i == 9;
        }
        journal.Day(start, 11).Appointment = 1;
        journal.Day(start, 11).Note.Assign("check-up, all well");
        start = testing::DaysAfter(start, length);
    }
    journal.Flow(start);
    return journal;
}

std::filesystem::path GoldenFolder() {
    return std::filesystem::path(__FILE__).parent_path() / "golden";
}

void ExpectSameAsGoldenPicture(const BitmapCanvas& canvas, const char* name) {
    const std::filesystem::path path = GoldenFolder() / name;
    if (const char* update = std::getenv("LUNEA_UPDATE_GOLDEN"); update && *update == '1') {
        ASSERT_TRUE(SaveBmp(path.string(), canvas.Pixels())) << path;
        return;
    }
    std::ifstream file(path, std::ios::binary);
    ASSERT_TRUE(file) << path;
    const std::vector<std::uint8_t> kept{std::istreambuf_iterator<char>(file), {}};
    const std::vector<std::uint8_t> drawn = EncodeBmp(canvas.Pixels());
    ASSERT_EQ(kept.size(), drawn.size()) << name << ": another picture size";
    // Rows are stored bottom-up, three bytes a pixel, padded to four.
    const int width = canvas.Pixels().width, height = canvas.Pixels().height;
    const std::size_t rowBytes = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
    for (std::size_t i = 54; i < kept.size(); ++i)
        if (kept[i] != drawn[i]) {
            const std::size_t row = (i - 54) / rowBytes;
            ADD_FAILURE() << name << ": first different pixel at x " << (i - 54) % rowBytes / 3
                          << ", y " << height - 1 - row;
            return;
        }
}

void ExpectSameAsGolden(const ReportRenderer& renderer, bool fahrenheit, const char* name) {
    testing::ReportJournal journal = ThreeCycleJournal();
    journal.settings.useFahrenheit = fahrenheit;
    const ReportInput input = journal.Input(1, 3);
    const PictureSize size = renderer.SizeOf(input);
    BitmapCanvas canvas(size.width, size.height);
    renderer.Draw(canvas, input);
    ExpectSameAsGoldenPicture(canvas, name);
}

TEST(ReportGolden, StandardReportInCelsius) {
    ExpectSameAsGolden(StandardReport(), false, "standard_report.bmp");
}

TEST(ReportGolden, AdvancedReportInFahrenheit) {
    ExpectSameAsGolden(AdvancedReport(), true, "advanced_report.bmp");
}

// The first cycle's rise, on the 22nd of March, with its coverline.
TEST(ChartGolden, TemperatureChartWithTheCoverline) {
    testing::ReportJournal journal = ThreeCycleJournal();
    journal.Input();
    Chart chart = MakeTemperatureChart();
    FillTempChart(chart, *journal.days, 2018, 3, false);
    const auto shift = FindTemperatureShift(*journal.days, journal.cycles.Starts(), 2018, 3);
    ASSERT_TRUE(shift.has_value());
    EXPECT_EQ(SerialToDate(shift->day), (CivilDate{2018, 3, 22}));
    ShowTemperatureShift(chart, shift, false);
    BitmapCanvas canvas(340, 311);
    chart.Draw(canvas, {0, 0, 340, 311});
    ExpectSameAsGoldenPicture(canvas, "temperature_chart_coverline.bmp");
}

} // namespace
} // namespace lunea
