#include "components/recording_canvas.h"

#include "components/approximate_text.h"

namespace lunea {

void RecordingCanvas::Rectangle(const Rect& rect, const Pen& pen, const Brush& brush) {
    calls_.push_back(RectangleCall{rect, pen, brush});
}

void RecordingCanvas::RoundRect(const Rect& rect, int ellipseWidth, int ellipseHeight,
                                const Pen& pen, const Brush& brush) {
    calls_.push_back(RoundRectCall{rect, ellipseWidth, ellipseHeight, pen, brush});
}

void RecordingCanvas::Ellipse(const Rect& bounds, const Pen& pen, const Brush& brush) {
    calls_.push_back(EllipseCall{bounds, pen, brush});
}

void RecordingCanvas::Polygon(std::span<const Point> points, const Pen& pen, const Brush& brush) {
    calls_.push_back(PolygonCall{{points.begin(), points.end()}, pen, brush});
}

void RecordingCanvas::Line(Point from, Point to, const Pen& pen) {
    calls_.push_back(LineCall{from, to, pen});
}

void RecordingCanvas::Text(Point at, std::string_view text, const Font& font) {
    calls_.push_back(TextCall{at, std::string(text), font});
}

TextExtent RecordingCanvas::MeasureText(std::string_view text, const Font& font) {
    return ApproximateTextExtent(text, font);
}

void RecordingCanvas::Image(Point at, ImageSetId set, int index) {
    calls_.push_back(ImageCall{at, set, index});
}

} // namespace lunea
