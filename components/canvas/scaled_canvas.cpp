#include "components/canvas/scaled_canvas.h"

#include "components/canvas/image_set.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace lunea {
namespace {

// Far beyond any page, yet leaves room to add an origin without overflow.
constexpr double kLimit = 1 << 28;

int Rounded(double value) {
    return static_cast<int>(std::lround(std::clamp(value, -kLimit, kLimit)));
}

} // namespace

ScaledCanvas::ScaledCanvas(Canvas& device, Point origin, double scale)
    : device_(device), origin_(origin), scale_(scale > 0.0 ? scale : 1.0) {}

int ScaledCanvas::Length(int length) const {
    return Rounded(length * scale_);
}

Point ScaledCanvas::Map(Point p) const {
    return {origin_.x + Length(p.x), origin_.y + Length(p.y)};
}

std::vector<Point> ScaledCanvas::Map(std::span<const Point> points) const {
    std::vector<Point> mapped;
    mapped.reserve(points.size());
    for (const Point& p : points)
        mapped.push_back(Map(p));
    return mapped;
}

Rect ScaledCanvas::Map(const Rect& rect) const {
    const Point topLeft = Map(Point{rect.left, rect.top});
    const Point bottomRight = Map(Point{rect.right, rect.bottom});
    return {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

// A thin line stays visible however small the scale.
Pen ScaledCanvas::Map(const Pen& pen) const {
    if (pen.width <= 0)
        return pen;
    return {pen.color, std::max(1, Length(pen.width))};
}

Font ScaledCanvas::Map(const Font& font) const {
    Font scaled = font;
    const int height = std::max(1, Length(std::abs(font.height)));
    scaled.height = font.height < 0 ? -height : height;
    return scaled;
}

void ScaledCanvas::Rectangle(const Rect& rect, const Pen& pen, const Brush& brush) {
    device_.Rectangle(Map(rect), Map(pen), brush);
}

void ScaledCanvas::RoundRect(const Rect& rect, int ellipseWidth, int ellipseHeight, const Pen& pen,
                             const Brush& brush) {
    device_.RoundRect(Map(rect), Length(ellipseWidth), Length(ellipseHeight), Map(pen), brush);
}

void ScaledCanvas::Ellipse(const Rect& bounds, const Pen& pen, const Brush& brush) {
    device_.Ellipse(Map(bounds), Map(pen), brush);
}

void ScaledCanvas::Polygon(std::span<const Point> points, const Pen& pen, const Brush& brush) {
    device_.Polygon(Map(points), Map(pen), brush);
}

void ScaledCanvas::Line(Point from, Point to, const Pen& pen) {
    device_.Line(Map(from), Map(to), Map(pen));
}

void ScaledCanvas::Text(Point at, std::string_view text, const Font& font) {
    device_.Text(Map(at), text, Map(font));
}

void ScaledCanvas::TextOnBackground(Point at, std::string_view text, const Font& font,
                                    Color background) {
    device_.TextOnBackground(Map(at), text, Map(font), background);
}

TextExtent ScaledCanvas::MeasureText(std::string_view text, const Font& font) {
    const TextExtent extent = device_.MeasureText(text, Map(font));
    return {Rounded(extent.width / scale_), Rounded(extent.height / scale_)};
}

void ScaledCanvas::Image(Point at, ImageSetId set, int index) {
    const ImageSet& images = GetImageSet(set);
    if (index < 0 || index >= images.count)
        return;
    const PixelImage& strip = images.strip;
    for (int y = 0; y < images.height; ++y) {
        const int row = index * images.height + y;
        for (int x = 0; x < images.width;) {
            const Color color = strip.At(x, row);
            int end = x + 1;
            while (end < images.width && strip.At(end, row) == color)
                ++end;
            if (color != kMaskColor)
                Rectangle({at.x + x, at.y + y, at.x + end, at.y + y + 1}, Pen::None(),
                          Brush{color});
            x = end;
        }
    }
}

void ScaledCanvas::VerticalGradient(const Rect& rect, Color top, Color bottom) {
    device_.VerticalGradient(Map(rect), top, bottom);
}

void ScaledCanvas::Polyline(std::span<const Point> points, const Pen& pen) {
    device_.Polyline(Map(points), Map(pen));
}

void ScaledCanvas::SetClip(const Rect& rect) {
    device_.SetClip(Map(rect));
}

void ScaledCanvas::ResetClip() {
    device_.ResetClip();
}

void ScaledCanvas::Picture(const Rect& to, const PixelImage& picture) {
    device_.Picture(Map(to), picture);
}

} // namespace lunea
