// The standard view: up to three cycles (more when the page asks) on a
// fixed grid of 42 days and 28 rows, the temperature on a scale of two
// whole degrees, values beyond it drawn on its top or bottom line.

#include "reports/report_page.h"

#include "components/art/image_sets.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

namespace lunea {
namespace {

using namespace report;

constexpr int kWidth = 866;
constexpr int kBlockHeight = 504;
constexpr int kBlockPitch = kBlockHeight + kBlockGap;
constexpr int kBottomLine = 486; // of the temperature area, from the block's top

struct Scale {
    const char* wholeDegrees[3]; // at the lines 7, 17 and 27
    const char* unit;
    double lowest;          // °C on the bottom line
    double highest;         // °C on the top line
    double pixelsPerDegree; // per °C
    int pointOffset;        // x of a point from its column's left line
};

constexpr Scale kCelsius{{"37.0", "36.0", "35.0"},
                         "\xB0"
                         "C",
                         35.0,
                         37.0,
                         180.0,
                         9};
// 36.11 °C stands for 97.0 °F, 37.22 °C for 99.0 °F: 180 pixels per °F.
constexpr Scale kFahrenheit{{"99.0", "98.0", "97.0"},
                            "\xB0"
                            "F",
                            36.11,
                            37.22,
                            324.0,
                            0};

const Scale& ScaleOf(const Settings& settings) {
    return settings.useFahrenheit ? kFahrenheit : kCelsius;
}

void WriteCaptions(Canvas& canvas, int q) {
    static constexpr const char* captions[] = {"Month", "Date",   "Day of cycle",
                                               "Sex",   "Menses", "Medication"};
    for (int r = 0; r < 6; ++r)
        WriteText(canvas, {3, q + kCell * r + 2}, captions[r]);
}

void WriteScale(Canvas& canvas, int q, const Scale& scale) {
    const int half = HalfTextHeight(canvas);
    const int lines[3] = {q + 110 + half, q + 290 + half, q + 470 + half};
    for (int k = 0; k < 3; ++k)
        WriteText(canvas, {30, lines[k]}, scale.wholeDegrees[k]);
    WriteText(canvas, {3, lines[1]}, scale.unit);
    for (int k = 0; k < 3; ++k)
        WriteText(canvas, {kWidth - 35, lines[k]}, scale.wholeDegrees[k]);
    for (int i = 0; i < 9; ++i) {
        const std::string tenth = "." + std::to_string(9 - i);
        for (int k = 0; k < 2; ++k) {
            WriteText(canvas, {44, lines[k] + kCell + kCell * i}, tenth);
            WriteText(canvas, {kWidth - 21, lines[k] + kCell + kCell * i}, tenth);
        }
    }
}

std::optional<Point> TemperaturePoint(double celsius, int day, int q, const Scale& scale) {
    if (!(celsius > 1.0))
        return std::nullopt;
    const double shown = std::clamp(celsius, scale.lowest, scale.highest);
    const double rise = RoundHalfEven((shown - scale.lowest) * scale.pixelsPerDegree);
    return Point{kGridLeft + kCell * day + scale.pointOffset,
                 q + kBottomLine - static_cast<int>(rise)};
}

void DrawBlock(Canvas& canvas, const ReportInput& input, const ReportCycle& cycle, int q) {
    DrawWhiteRectangle(canvas, {0, q, kWidth, q + kBlockHeight});
    DrawBlockGrid(canvas, {q, kBlockHeight, 29, kDayColumns, cycle.length});
    for (int line : {126, 306, kBottomLine})
        canvas.Line({kGridLeft, q + line}, {kGridRight, q + line}, {kBlack, 2});
    WriteCaptions(canvas, q);
    const Scale& scale = ScaleOf(input.settings);
    WriteScale(canvas, q, scale);
    WriteMonthName(canvas, 72, q, cycle.start, kWidth);

    std::optional<Point> previous;
    ForEachDrawnDay(input.days, cycle, kWidth, [&](int i, CivilDate date, const TDayRecord& day) {
        const int x = kGridLeft + kCell * i;
        WriteText(canvas, {x + 2, q + 20}, std::to_string(date.day));
        if (day.Status >= 1 && day.Status <= 3)
            canvas.Image({x + 1, q + 73}, ImageSetId::Status, day.Status);
        if (day.Sex != 0)
            canvas.Image({x + 1, q + 55}, ImageSetId::Icons, icon::kHeart);
        if (const std::optional<Point> point = TemperaturePoint(day.Temperature, i, q, scale)) {
            if (previous)
                canvas.Line(*point, *previous, {kBlack, 1});
            DrawTemperaturePoint(canvas, *point);
            previous = point;
        }
    });
    WriteMonthName(canvas, 72 + std::int64_t{kCell} * cycle.length, q,
                   std::int64_t{cycle.start} + cycle.length - 1, kWidth);
}

class StandardReportRenderer final : public ReportRenderer {
  public:
    PictureSize SizeOf(const ReportInput& input) const override {
        return PictureOf(CyclesOnPage(input).size(), kWidth, kBlockPitch);
    }

    void Draw(Canvas& canvas, const ReportInput& input) const override {
        const std::vector<ReportCycle> cycles = CyclesOnPage(input);
        if (cycles.empty())
            return;
        DrawWhiteRectangle(canvas,
                           {0, 0, kWidth, PictureOf(cycles.size(), kWidth, kBlockPitch).height});
        for (std::size_t k = 0; k < cycles.size(); ++k)
            DrawBlock(canvas, input, cycles[k], static_cast<int>(k) * kBlockPitch);
    }

    std::vector<std::string> Notes(const ReportInput&) const override { return {}; }
};

} // namespace

const ReportRenderer& StandardReport() {
    static const StandardReportRenderer renderer;
    return renderer;
}

} // namespace lunea
