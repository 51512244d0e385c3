#include "components/canvas/recording_canvas.h"

#include "components/canvas/approximate_text.h"
#include "components/canvas/pixel_image.h"

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
    calls_.push_back(TextCall{at, std::string(text), font, std::nullopt});
}

void RecordingCanvas::TextOnBackground(Point at, std::string_view text, const Font& font,
                                       Color background) {
    calls_.push_back(TextCall{at, std::string(text), font, background});
}

TextExtent RecordingCanvas::MeasureText(std::string_view text, const Font& font) {
    return ApproximateTextExtent(text, font);
}

void RecordingCanvas::Image(Point at, ImageSetId set, int index) {
    calls_.push_back(ImageCall{at, set, index});
}

void RecordingCanvas::VerticalGradient(const Rect& rect, Color top, Color bottom) {
    calls_.push_back(GradientCall{rect, top, bottom});
}

void RecordingCanvas::Polyline(std::span<const Point> points, const Pen& pen) {
    calls_.push_back(PolylineCall{{points.begin(), points.end()}, pen});
}

void RecordingCanvas::SetClip(const Rect& rect) {
    calls_.push_back(ClipCall{rect});
}

void RecordingCanvas::ResetClip() {
    calls_.push_back(ClipCall{});
}

void RecordingCanvas::Picture(const Rect& to, const PixelImage& picture) {
    calls_.push_back(PictureCall{to, picture.width, picture.height});
}

} // namespace lunea
