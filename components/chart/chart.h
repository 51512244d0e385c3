#pragma once
// The program's chart: one line or bar series over a bottom and a left axis
// on a gradient background, laid out and drawn on any canvas (the screen,
// a printer, a test's recorder). Title, legend, 3-D and the top and right
// axes are not drawn.

#include "components/canvas/canvas.h"
#include "components/chart/chart_ticks.h"

#include <optional>
#include <string>
#include <vector>

namespace lunea {

enum class AxisLabels { Numbers, Dates };

struct ChartAxis {
    std::string title;
    bool automaticMinimum = true;
    bool automaticMaximum = true;
    double minimum = 0.0; // used when not automatic
    double maximum = 1.0;
    bool grid = false; // a solid line across the chart at every mark
    AxisLabels labels = AxisLabels::Numbers;
};

struct ChartPoint {
    double x = 0.0;
    double y = 0.0;
    Color color = 0;
};

enum class SeriesStyle { Line, Bar };

struct ChartSeries {
    SeriesStyle style = SeriesStyle::Line;
    std::string title;
    Color color = kRed;
    Pen linePen{kYellow, 1};
    int pointSize = 3;         // line series: circles this wide, 0 for none
    bool marks = false;        // the value written above each bar
    Color marksBackground = 0; // behind a mark's text
    int barWidthPercent = 40;  // of a bar's slot

    void Clear() { points_.clear(); }
    // Kept in ascending order of x; points with x or y not a number are
    // left out, as no axis can place them.
    void Add(double x, double y, Color pointColor);
    const std::vector<ChartPoint>& Points() const { return points_; }

  private:
    std::vector<ChartPoint> points_;
};

// A level read off the series: a dashed line across the plot at one value of
// the left axis, that value written among the axis' labels, and the series'
// point at markedX ringed and named.
struct ChartLevel {
    double value = 0.0;
    double markedX = 0.0;
    std::string markName;
    Color color = kBlue;
};

struct Chart {
    // The background shades from the bottom colour up to the top colour.
    Color backgroundBottom = kWhite;
    Color backgroundTop = kWhite;
    ChartAxis bottomAxis;
    ChartAxis leftAxis;
    ChartSeries series;
    std::optional<ChartLevel> level; // only with a line series
    char decimalSeparator = '.';

    void Draw(Canvas& canvas, const Rect& bounds) const;
};

} // namespace lunea
