#include "components/chart/chart.h"

#include <algorithm>
#include <cmath>

namespace lunea {
namespace {

const Font kLabelFont{"Arial", -11, kNormal, 0, kBlack};
const Font kTitleFont{"Arial", -11, kBold, 0, kBlack};
constexpr Pen kAxisPen{kBlack, 1};
constexpr Pen kGridPen{kGrey, 1};
constexpr int kPad = 6;  // between the chart's edge and anything drawn
constexpr int kTick = 4; // the marks' length outside the axes
constexpr int kGap = 3;  // between a mark and its label
// Points far outside the chart are drawn at this distance, clipped.
constexpr double kPixelLimit = 1 << 20;
// A bar's value stands this far above it.
constexpr int kMarkLift = 4;
// A level's dashes and gaps, and the ring around its marked point.
constexpr int kDash = 5;
constexpr int kDashGap = 3;
constexpr int kRing = 9;
// Bars are lit towards their top.
constexpr Color kBarLight = kWhite;

double Held(double value) {
    return std::clamp(value, -kChartValueLimit, kChartValueLimit);
}

struct Extent {
    bool any = false;
    double minX = 0, maxX = 0, minY = 0, maxY = 0;
};

Extent ExtentOf(const std::vector<ChartPoint>& points, const std::optional<ChartLevel>& level) {
    Extent extent;
    for (const ChartPoint& p : points) {
        const double x = Held(p.x), y = Held(p.y);
        if (!extent.any)
            extent = {true, x, x, y, y};
        extent.minX = std::min(extent.minX, x);
        extent.maxX = std::max(extent.maxX, x);
        extent.minY = std::min(extent.minY, y);
        extent.maxY = std::max(extent.maxY, y);
    }
    // The level stands within the left axis' range.
    if (extent.any && level) {
        extent.minY = std::min(extent.minY, Held(level->value));
        extent.maxY = std::max(extent.maxY, Held(level->value));
    }
    return extent;
}

// An axis needs some length: an empty or one-valued range is widened.
AxisRange Widened(AxisRange range) {
    if (range.maximum < range.minimum)
        std::swap(range.minimum, range.maximum);
    if (range.maximum - range.minimum <= std::fabs(range.maximum) * 1e-12) {
        const double delta = std::max(1.0, std::fabs(range.minimum) * 0.1);
        range = {Held(range.minimum - delta), Held(range.maximum + delta)};
    }
    return range;
}

AxisRange RangeOf(const ChartAxis& axis, double dataMin, double dataMax, bool any,
                  AxisRange empty) {
    return Widened({axis.automaticMinimum ? (any ? dataMin : empty.minimum) : Held(axis.minimum),
                    axis.automaticMaximum ? (any ? dataMax : empty.maximum) : Held(axis.maximum)});
}

// The automatic ends moved out to whole steps, so marks stand at both ends.
AxisRange Rounded(const ChartAxis& axis, AxisRange range, int maxCount) {
    const double step = NiceStep(range.maximum - range.minimum, maxCount);
    if (axis.automaticMinimum)
        range.minimum = Held(std::floor(range.minimum / step + 1e-9) * step);
    if (axis.automaticMaximum)
        range.maximum = Held(std::ceil(range.maximum / step - 1e-9) * step);
    return Widened(range);
}

int Place(double value, const AxisRange& range, int atMinimum, int atMaximum) {
    const double t = (Held(value) - range.minimum) / (range.maximum - range.minimum);
    const double pixel = atMinimum + t * (atMaximum - atMinimum);
    return static_cast<int>(std::lround(std::clamp(pixel, -kPixelLimit, kPixelLimit)));
}

std::vector<AxisTick> TicksOf(const ChartAxis& axis, const AxisRange& range, int maxCount,
                              char decimalSeparator) {
    if (axis.labels == AxisLabels::Dates)
        return DateTicks(range, maxCount);
    return NumberTicks(range, maxCount, decimalSeparator);
}

class ChartPainter {
  public:
    ChartPainter(const Chart& chart, Canvas& canvas, const Rect& bounds)
        : chart_(chart), canvas_(canvas), bounds_(bounds),
          labelHeight_(canvas.MeasureText("0", kLabelFont).height) {}

    void Draw() {
        canvas_.VerticalGradient(bounds_, chart_.backgroundTop, chart_.backgroundBottom);
        if (!Lay())
            return;
        DrawGrids();
        DrawAxes();
        // Points on the axes' ends show whole.
        const int margin = chart_.series.pointSize;
        canvas_.SetClip({plot_.left + 1 - margin, plot_.top - margin, plot_.right + 1 + margin,
                         plot_.bottom + margin});
        if (HasLevel())
            DrawLevelLine();
        if (chart_.series.style == SeriesStyle::Bar)
            DrawBars();
        else
            DrawLine();
        canvas_.ResetClip();
        if (chart_.series.style == SeriesStyle::Bar && chart_.series.marks)
            DrawMarks();
        if (HasLevel())
            DrawLevelMarks();
    }

  private:
    // The plot's corners are pixels on the axes: the left axis at
    // plot_.left, the bottom axis at plot_.bottom. False when there is no
    // room for a plot.
    bool Lay() {
        const ChartSeries& series = chart_.series;
        const Extent extent = ExtentOf(series.Points(), HasLevel() ? chart_.level : std::nullopt);
        const bool bars = series.style == SeriesStyle::Bar;
        const int count = static_cast<int>(series.Points().size());

        // The left axis title stands above the axis's top label.
        plot_.top = bounds_.top + kPad + labelHeight_ / 2 +
                    (chart_.leftAxis.title.empty() ? 0 : labelHeight_ + kGap);
        plot_.bottom = bounds_.bottom - kPad - labelHeight_ - kTick - kGap -
                       (chart_.bottomAxis.title.empty() ? 0 : labelHeight_ + kGap);
        const int height = plot_.bottom - plot_.top;
        if (height <= 2 * labelHeight_)
            return false;

        const int yCount = std::max(1, height / (2 * labelHeight_));
        y_ = RangeOf(chart_.leftAxis, extent.minY, extent.maxY, extent.any, {0.0, 1.0});
        if (bars && series.marks && chart_.leftAxis.automaticMaximum && extent.any) {
            // Room above the highest bar for its value.
            const int room = labelHeight_ + 2 * kGap + kMarkLift;
            if (height > 2 * room)
                y_.maximum = Held(y_.minimum + (y_.maximum - y_.minimum) * height /
                                                   static_cast<double>(height - room));
        }
        y_ = Rounded(chart_.leftAxis, y_, yCount);
        yTicks_ = NumberTicks(y_, yCount, chart_.decimalSeparator);
        int labelWidth = 0;
        for (const AxisTick& tick : yTicks_)
            labelWidth = std::max(labelWidth, canvas_.MeasureText(tick.label, kLabelFont).width);
        if (HasLevel())
            labelWidth = std::max(labelWidth, canvas_.MeasureText(LevelText(), kLabelFont).width);

        // Bars stand in slots of equal width, half a slot kept free at each end.
        slotValue_ = 1.0;
        if (bars && count > 1)
            slotValue_ = (extent.maxX - extent.minX) / (count - 1);
        else if (bars && chart_.bottomAxis.labels == AxisLabels::Dates)
            slotValue_ = 30.0;
        x_ = RangeOf(chart_.bottomAxis, extent.minX - (bars ? slotValue_ / 2 : 0.0),
                     extent.maxX + (bars ? slotValue_ / 2 : 0.0), extent.any, {0.0, 1.0});

        const int sampleWidth = SampleLabelWidth();
        plot_.left = bounds_.left + kPad + std::max(labelWidth + kTick + kGap, sampleWidth / 2);
        plot_.right = bounds_.right - kPad - sampleWidth / 2 - 1;
        const int width = plot_.right - plot_.left;
        if (width <= sampleWidth)
            return false;
        const int xCount = std::max(1, width / (sampleWidth + 4 * kGap));
        xTicks_ = TicksOf(chart_.bottomAxis, x_, xCount, chart_.decimalSeparator);
        return true;
    }

    int SampleLabelWidth() {
        if (chart_.bottomAxis.labels == AxisLabels::Dates)
            return canvas_.MeasureText("00.00.0000", kLabelFont).width;
        int widest = 0;
        for (double end : {x_.minimum, x_.maximum})
            widest = std::max(
                widest,
                canvas_.MeasureText(ValueText(std::round(end), chart_.decimalSeparator), kLabelFont)
                    .width);
        return widest;
    }

    int X(double value) const { return Place(value, x_, plot_.left, plot_.right); }
    int Y(double value) const { return Place(value, y_, plot_.bottom, plot_.top); }

    void DrawGrids() {
        if (chart_.leftAxis.grid)
            for (const AxisTick& tick : yTicks_)
                canvas_.Line({plot_.left, Y(tick.value)}, {plot_.right + 1, Y(tick.value)},
                             kGridPen);
        if (chart_.bottomAxis.grid)
            for (const AxisTick& tick : xTicks_)
                canvas_.Line({X(tick.value), plot_.top}, {X(tick.value), plot_.bottom}, kGridPen);
    }

    void DrawAxes() {
        canvas_.Line({plot_.left, plot_.top}, {plot_.left, plot_.bottom + 1}, kAxisPen);
        canvas_.Line({plot_.left, plot_.bottom}, {plot_.right + 1, plot_.bottom}, kAxisPen);
        for (const AxisTick& tick : yTicks_) {
            const int y = Y(tick.value);
            canvas_.Line({plot_.left - kTick, y}, {plot_.left, y}, kAxisPen);
            if (!NearLevelLabel(y))
                canvas_.TextInRect(LeftLabelRect(y), tick.label, kLabelFont, HorizontalAlign::Right,
                                   VerticalAlign::Middle);
        }
        const int labelTop = plot_.bottom + kTick + kGap;
        for (const AxisTick& tick : xTicks_) {
            const int x = X(tick.value);
            canvas_.Line({x, plot_.bottom}, {x, plot_.bottom + kTick + 1}, kAxisPen);
            canvas_.TextInRect({x - 100, labelTop, x + 100, labelTop + labelHeight_}, tick.label,
                               kLabelFont, HorizontalAlign::Centre, VerticalAlign::Top);
        }
        if (!chart_.leftAxis.title.empty())
            canvas_.Text({bounds_.left + kPad, bounds_.top + kPad}, chart_.leftAxis.title,
                         kTitleFont);
        if (!chart_.bottomAxis.title.empty())
            canvas_.TextInRect({plot_.left, bounds_.bottom - kPad - labelHeight_, plot_.right,
                                bounds_.bottom - kPad},
                               chart_.bottomAxis.title, kTitleFont, HorizontalAlign::Centre,
                               VerticalAlign::Top);
    }

    Rect LeftLabelRect(int y) const {
        return {bounds_.left, y - labelHeight_, plot_.left - kTick - kGap, y + labelHeight_};
    }

    bool HasLevel() const { return chart_.level && chart_.series.style == SeriesStyle::Line; }
    std::string LevelText() const {
        return ValueText(chart_.level->value, chart_.decimalSeparator);
    }

    // A left axis label that the level's own label would cover.
    bool NearLevelLabel(int y) const {
        return HasLevel() && std::abs(y - Y(chart_.level->value)) < labelHeight_;
    }

    void DrawLevelLine() {
        const int y = Y(chart_.level->value);
        const Pen pen{chart_.level->color, 1};
        for (int x = plot_.left + 1; x <= plot_.right; x += kDash + kDashGap)
            canvas_.Line({x, y}, {std::min(x + kDash, plot_.right + 1), y}, pen);
    }

    void DrawLevelMarks() {
        const ChartLevel& level = *chart_.level;
        Font font = kLabelFont;
        font.color = level.color;
        canvas_.TextInRect(LeftLabelRect(Y(level.value)), LevelText(), font, HorizontalAlign::Right,
                           VerticalAlign::Middle);
        const auto& points = chart_.series.Points();
        const auto marked = std::find_if(points.begin(), points.end(),
                                         [&](const ChartPoint& p) { return p.x == level.markedX; });
        if (marked == points.end())
            return;
        const Point at{X(marked->x), Y(marked->y)};
        const int low = kRing / 2;
        canvas_.Ellipse({at.x - low, at.y - low, at.x - low + kRing, at.y - low + kRing},
                        {level.color, 1}, Brush::Hollow());
        // The name above the ring, or below it where the plot's top is near.
        const int width = canvas_.MeasureText(level.markName, font).width;
        int top = at.y - low - kGap - labelHeight_;
        if (top < plot_.top)
            top = at.y + low + kGap;
        canvas_.Text({at.x - width / 2, top}, level.markName, font);
    }

    void DrawLine() {
        const ChartSeries& series = chart_.series;
        std::vector<Point> path;
        path.reserve(series.Points().size() + 1);
        for (const ChartPoint& p : series.Points())
            path.push_back({X(p.x), Y(p.y)});
        if (path.size() > 1) {
            // Polyline leaves out its last point; the line should reach it.
            path.push_back({path.back().x + 1, path.back().y});
            canvas_.Polyline(path, series.linePen);
            path.pop_back();
        }
        if (series.pointSize <= 0)
            return;
        const int low = series.pointSize / 2;
        for (std::size_t i = 0; i < path.size(); ++i) {
            const Color color = series.Points()[i].color;
            const Point at = path[i];
            canvas_.Ellipse({at.x - low, at.y - low, at.x - low + series.pointSize,
                             at.y - low + series.pointSize},
                            {color, 1}, {color});
        }
    }

    Rect BarOf(const ChartPoint& p) const {
        const int slot = std::abs(X(x_.minimum + slotValue_) - X(x_.minimum));
        const int width = std::max(1, slot * chart_.series.barWidthPercent / 100);
        const int centre = X(p.x);
        const int base = Y(std::clamp(0.0, y_.minimum, y_.maximum));
        const int top = Y(p.y);
        return {centre - width / 2, std::min(top, base), centre - width / 2 + width,
                std::max(top, base) + 1};
    }

    void DrawBars() {
        for (const ChartPoint& p : chart_.series.Points()) {
            const Rect bar = BarOf(p);
            canvas_.VerticalGradient(bar, kBarLight, p.color);
            canvas_.Rectangle(bar, kAxisPen, Brush::Hollow());
        }
    }

    void DrawMarks() {
        for (const ChartPoint& p : chart_.series.Points()) {
            const Rect bar = BarOf(p);
            const std::string text = ValueText(p.y, chart_.decimalSeparator);
            const TextExtent extent = canvas_.MeasureText(text, kLabelFont);
            const int width = extent.width + 2 * kGap;
            const int height = labelHeight_ + 2;
            const int centre = (bar.left + bar.right) / 2;
            const int top = std::clamp(bar.top - kMarkLift - height, bounds_.top + kPad,
                                       std::max(bounds_.top + kPad, plot_.bottom - height));
            const Rect box{centre - width / 2, top, centre - width / 2 + width, top + height};
            canvas_.Rectangle(box, kAxisPen, {chart_.series.marksBackground});
            canvas_.TextInRect(box, text, kLabelFont, HorizontalAlign::Centre,
                               VerticalAlign::Middle);
        }
    }

    const Chart& chart_;
    Canvas& canvas_;
    const Rect bounds_;
    const int labelHeight_;
    Rect plot_;
    AxisRange x_, y_;
    double slotValue_ = 1.0;
    std::vector<AxisTick> xTicks_, yTicks_;
};

} // namespace

void ChartSeries::Add(double x, double y, Color pointColor) {
    if (std::isnan(x) || std::isnan(y))
        return;
    const ChartPoint point{x, y, pointColor};
    const auto after =
        std::upper_bound(points_.begin(), points_.end(), x,
                         [](double value, const ChartPoint& p) { return value < p.x; });
    points_.insert(after, point);
}

void Chart::Draw(Canvas& canvas, const Rect& bounds) const {
    ChartPainter(*this, canvas, bounds).Draw();
}

} // namespace lunea
