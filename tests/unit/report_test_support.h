#pragma once
// Shared by the reports' tests: a journal made of flow days, analysed, and
// the points of recorded drawing calls.
#include "components/art/image_sets.h"
#include "components/canvas/recording_canvas.h"
#include "reports/report_renderer.h"

#include <memory>
#include <string>
#include <vector>

namespace lunea::testing {

inline CivilDate DaysAfter(CivilDate date, int days) {
    return SerialToDate(DateToSerial(date) + days);
}

struct ReportJournal {
    std::unique_ptr<DayTable> days = std::make_unique<DayTable>();
    CycleAnalysis cycles;
    Settings settings;
    AdvancedRows rows;

    TDayRecord& Day(CivilDate start, int offset = 0) { return days->At(DaysAfter(start, offset)); }
    // A cycle start: `flowDays` days of normal menses from `start`.
    void Flow(CivilDate start, int flowDays = 4) {
        for (int i = 0; i < flowDays; ++i)
            Day(start, i).Status = 2;
    }
    // Cycles of the given lengths from `start`, and the start after the last.
    void Cycles(CivilDate start, std::initializer_list<int> lengths) {
        for (int length : lengths) {
            Flow(start);
            start = DaysAfter(start, length);
        }
        Flow(start);
    }
    ReportInput Input(int first = 1, int perPage = 3) {
        cycles.Analyse(*days, CycleRulesOf(settings));
        ReportInput input{*days, cycles, settings, first, perPage, rows, {}};
        input.shortDate = [](CivilDate d) {
            return std::to_string(d.day) + "." + std::to_string(d.month) + "." +
                   std::to_string(d.year);
        };
        return input;
    }
};

// Every point a call names: corners, ends, text and image positions.
inline std::vector<Point> PointsOf(const DrawCall& call) {
    struct Visitor {
        std::vector<Point> operator()(const RectangleCall& c) { return Corners(c.rect); }
        std::vector<Point> operator()(const RoundRectCall& c) { return Corners(c.rect); }
        std::vector<Point> operator()(const EllipseCall& c) { return Corners(c.bounds); }
        std::vector<Point> operator()(const PolygonCall& c) { return c.points; }
        std::vector<Point> operator()(const LineCall& c) { return {c.from, c.to}; }
        std::vector<Point> operator()(const TextCall& c) { return {c.at}; }
        std::vector<Point> operator()(const ImageCall& c) { return {c.at}; }
        std::vector<Point> operator()(const GradientCall& c) { return Corners(c.rect); }
        std::vector<Point> operator()(const PolylineCall& c) { return c.points; }
        std::vector<Point> operator()(const ClipCall&) { return {}; }
        std::vector<Point> operator()(const PictureCall& c) { return Corners(c.to); }
        static std::vector<Point> Corners(const Rect& r) {
            return {{r.left, r.top}, {r.right, r.bottom}};
        }
    };
    return std::visit(Visitor{}, call);
}

// The centres of the temperature points, in drawing order.
inline std::vector<Point> TemperaturePoints(const RecordingCanvas& canvas) {
    std::vector<Point> centres;
    for (const EllipseCall& call : canvas.CallsOf<EllipseCall>())
        centres.push_back({call.bounds.left + 3, call.bounds.top + 3});
    return centres;
}

// The texts starting on row y, from x = fromX on (72: the day columns).
inline std::vector<TextCall> TextsAt(const RecordingCanvas& canvas, int y, int fromX = 0) {
    std::vector<TextCall> found;
    for (const TextCall& call : canvas.CallsOf<TextCall>())
        if (call.at.y == y && call.at.x >= fromX)
            found.push_back(call);
    return found;
}

} // namespace lunea::testing
