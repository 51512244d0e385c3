// The advanced view: up to six cycles, each block made of the rows the
// options keep, the temperature unclamped with the area under the curve
// shaded, the calendar method's days marked, and the cycles' notes.

#include "reports/advanced_rows.h"
#include "reports/report_page.h"

#include "components/art/image_sets.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace lunea {
namespace {

using namespace report;

constexpr int kWidth = kGridRight; // 826
constexpr Color kShading = 15780518;
// How far beyond the picture a computed point may lie: lines and shading
// towards it still leave the picture at nearly the right place.
constexpr int kBeyondPicture = 1000;

constexpr std::array<const char*, 6> kCelsiusLabels{"37,5", "37,1", "36,7", "36,3", "35,9", "35,5"};
constexpr std::array<const char*, 6> kFahrenheitLabels{"99,5", "98,8", "98,1",
                                                       "97,3", "96,6", "95,9"};

struct Block {
    Canvas& canvas;
    const ReportInput& input;
    const ReportCycle& cycle;
    int q;
    int pictureHeight;

    int RowTop(int row) const { return q + kCell * row; }

    template <typename Draw> void ForEachDay(Draw&& draw) const {
        ForEachDrawnDay(input.days, cycle, kWidth, draw);
    }

    void Draw(const AdvancedRow& row) const {
        const int top = RowTop(row.top);
        if (row.caption)
            WriteText(canvas, {3, top + 2}, row.caption);
        switch (row.content) {
        case AdvancedContent::MonthNames:
            WriteMonthName(canvas, 72, top, cycle.start, kWidth);
            WriteMonthName(canvas, 72 + std::int64_t{kCell} * cycle.length, top,
                           std::int64_t{cycle.start} + cycle.length, kWidth);
            break;
        case AdvancedContent::Dates:
            ForEachDay([&](int i, CivilDate date, const TDayRecord&) {
                WriteText(canvas, {72 + kCell * i, top + 2}, std::to_string(date.day));
            });
            break;
        case AdvancedContent::DayNumbers:
            break;
        case AdvancedContent::Image:
            ForEachDay([&](int i, CivilDate, const TDayRecord& day) {
                if (const int image = row.imageOf(day); image >= 0)
                    canvas.Image({71 + kCell * i, top + 1}, row.set, image);
            });
            break;
        case AdvancedContent::CalendarMethod:
            DrawCalendarMethod(top);
            break;
        case AdvancedContent::Temperature:
            DrawTemperatureArea(row.top);
            break;
        }
    }

    // The days L .. L + F - 1 before the next start; 64-bit, as the
    // settings come from the registry unchecked.
    void DrawCalendarMethod(int top) const {
        const std::int64_t luteal = input.settings.lutealPhaseLength;
        const std::int64_t last = luteal + input.settings.fertileDays - 1;
        ForEachDay([&](int i, CivilDate, const TDayRecord&) {
            const std::int64_t beforeNext = std::int64_t{cycle.length} - i;
            if (beforeNext >= luteal && beforeNext <= last)
                canvas.Image({71 + kCell * i, top + 1}, ImageSetId::ReportMarks,
                             report_mark::kCalendarMethod);
        });
    }

    void DrawTemperatureArea(int a) const {
        canvas.Line({kGridLeft, RowTop(a)}, {kGridRight, RowTop(a)}, {kBlack, 2});
        canvas.Line({kGridLeft, RowTop(a + 7)}, {kGridRight, RowTop(a + 7)}, {kBlack, 2});
        const auto& labels = input.settings.useFahrenheit ? kFahrenheitLabels : kCelsiusLabels;
        const int half = HalfTextHeight(canvas);
        for (int k = 0; k < 6; ++k)
            WriteText(canvas, {40, RowTop(a + 1 + k) - half}, labels[static_cast<std::size_t>(k)]);
        WriteText(canvas, {3, RowTop(a + 3)},
                  input.settings.useFahrenheit ? "\xB0"
                                                 "F"
                                               : "\xB0"
                                                 "C");
        DrawCurve(RowTop(a + 6));
    }

    // 45 pixels per °C from the 35.5 line, unclamped; the area down to that
    // line is shaded between any two recorded days.
    void DrawCurve(int base) const {
        std::optional<Point> previous;
        ForEachDay([&](int i, CivilDate, const TDayRecord& day) {
            if (!(day.Temperature > 1.0))
                return;
            const double y = base - RoundHalfEven((day.Temperature - 35.5) * 45.0);
            const Point point{79 + kCell * i, ClampedCoordinate(y, -kBeyondPicture,
                                                                pictureHeight + kBeyondPicture)};
            if (previous) {
                const Point area[] = {*previous, point, {point.x, base}, {previous->x, base}};
                canvas.Polygon(area, Pen::None(), {kShading});
                canvas.Line(point, *previous, {kBlack, 1});
            }
            DrawTemperaturePoint(canvas, point);
            previous = point;
        });
    }
};

class AdvancedReportRenderer final : public ReportRenderer {
  public:
    PictureSize SizeOf(const ReportInput& input) const override {
        return PictureOf(CyclesOnPage(input).size(), kWidth,
                         kCell * AdvancedRowCount(input.rows) + kBlockGap);
    }

    void Draw(Canvas& canvas, const ReportInput& input) const override {
        const std::vector<ReportCycle> cycles = CyclesOnPage(input);
        if (cycles.empty())
            return;
        const std::vector<AdvancedRow> layout = AdvancedLayout(input.rows);
        const int rowCount = AdvancedRowCount(input.rows);
        const int height = kCell * rowCount;
        const int pictureHeight = PictureOf(cycles.size(), kWidth, height + kBlockGap).height;
        DrawWhiteRectangle(canvas, {0, 0, kWidth, pictureHeight});
        for (std::size_t k = 0; k < cycles.size(); ++k) {
            const Block block{canvas, input, cycles[k], static_cast<int>(k) * (height + kBlockGap),
                              pictureHeight};
            DrawWhiteRectangle(canvas, {0, block.q, kWidth, block.q + height});
            for (const AdvancedRow& row : layout)
                block.Draw(row);
            DrawBlockGrid(canvas, {block.q, height, rowCount, cycles[k].length, cycles[k].length});
        }
    }

    std::vector<std::string> Notes(const ReportInput& input) const override {
        std::vector<std::string> lines;
        if (!input.rows.notes || !input.shortDate)
            return lines;
        for (const ReportCycle& cycle : CyclesOnPage(input)) {
            lines.push_back("Notes for cycle: " + input.shortDate(SerialToDate(cycle.start)));
            // Every day of the cycle, not only those with a column; the
            // table's end ends the cycle too.
            for (int i = 0; i < cycle.length; ++i) {
                const TDayRecord* day = input.days.AtSerial(cycle.start + i);
                if (!day)
                    break;
                if (day->Note.Length != 0)
                    lines.push_back(input.shortDate(SerialToDate(cycle.start + i)) + ": " +
                                    std::string(day->Note.Text()));
            }
            lines.push_back("-End-");
            lines.push_back(" ");
        }
        return lines;
    }
};

} // namespace

const ReportRenderer& AdvancedReport() {
    static const AdvancedReportRenderer renderer;
    return renderer;
}

} // namespace lunea
