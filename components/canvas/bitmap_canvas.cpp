#include "components/canvas/bitmap_canvas.h"

#include "components/canvas/approximate_text.h"
#include "components/canvas/gradient.h"
#include "components/canvas/image_set.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace lunea {
namespace {

// The pixels [left, right) of row y that a rectangle with rounded corners
// covers: a pixel is inside when its centre is. False when none is.
bool RoundedRowSpan(const Rect& rect, int ellipseWidth, int ellipseHeight, int y, int& left,
                    int& right) {
    if (y < rect.top || y >= rect.bottom || rect.left >= rect.right)
        return false;
    double inset = 0.0;
    if (ellipseWidth > 0 && ellipseHeight > 0) {
        const double radiusX = std::min(ellipseWidth, rect.Width()) / 2.0;
        const double radiusY = std::min(ellipseHeight, rect.Height()) / 2.0;
        const double centreY = y + 0.5;
        double distance = 0.0;
        if (centreY < rect.top + radiusY)
            distance = rect.top + radiusY - centreY;
        else if (centreY > rect.bottom - radiusY)
            distance = centreY - (rect.bottom - radiusY);
        if (distance > 0.0) {
            const double t = std::min(1.0, distance / radiusY);
            inset = radiusX * (1.0 - std::sqrt(1.0 - t * t));
        }
    }
    left = static_cast<int>(std::ceil(rect.left + inset - 0.5));
    right = static_cast<int>(std::floor(rect.right - inset - 0.5)) + 1;
    return left < right;
}

} // namespace

BitmapCanvas::BitmapCanvas(int width, int height, Color background)
    : image_(width, height, background), clip_{0, 0, width, height} {}

bool BitmapCanvas::InClip(int x, int y) const {
    return x >= clip_.left && x < clip_.right && y >= clip_.top && y < clip_.bottom;
}

void BitmapCanvas::Plot(int x, int y, Color color) {
    if (InClip(x, y))
        image_.At(x, y) = color;
}

void BitmapCanvas::FillSpan(int y, int left, int right, Color color) {
    if (y < clip_.top || y >= clip_.bottom)
        return;
    left = std::max(left, clip_.left);
    right = std::min(right, clip_.right);
    if (left < right)
        std::fill_n(&image_.At(left, y), right - left, color);
}

void BitmapCanvas::FillRect(const Rect& rect, Color color) {
    const int bottom = std::min(rect.bottom, clip_.bottom);
    for (int y = std::max(rect.top, clip_.top); y < bottom; ++y)
        FillSpan(y, rect.left, rect.right, color);
}

void BitmapCanvas::Dot(int x, int y, const Pen& pen) {
    const int low = -(pen.width - 1) / 2;
    for (int dy = low; dy < low + pen.width; ++dy)
        for (int dx = low; dx < low + pen.width; ++dx)
            Plot(x + dx, y + dy, pen.color);
}

void BitmapCanvas::Rectangle(const Rect& rect, const Pen& pen, const Brush& brush) {
    RoundRect(rect, 0, 0, pen, brush);
}

void BitmapCanvas::Ellipse(const Rect& bounds, const Pen& pen, const Brush& brush) {
    RoundRect(bounds, bounds.Width(), bounds.Height(), pen, brush);
}

// The outline is what the shape covers beyond the same shape shrunk by the
// pen's width on every side.
void BitmapCanvas::RoundRect(const Rect& rect, int ellipseWidth, int ellipseHeight, const Pen& pen,
                             const Brush& brush) {
    const int w = std::max(pen.width, 0);
    const Rect inner{rect.left + w, rect.top + w, rect.right - w, rect.bottom - w};
    const int innerWidth = std::max(ellipseWidth - 2 * w, 0);
    const int innerHeight = std::max(ellipseHeight - 2 * w, 0);
    const int top = std::max(rect.top, 0);
    const int bottom = std::min(rect.bottom, image_.height);
    for (int y = top; y < bottom; ++y) {
        int left = 0, right = 0;
        if (!RoundedRowSpan(rect, ellipseWidth, ellipseHeight, y, left, right))
            continue;
        int innerLeft = 0, innerRight = 0;
        if (w > 0 && !RoundedRowSpan(inner, innerWidth, innerHeight, y, innerLeft, innerRight)) {
            FillSpan(y, left, right, pen.color);
            continue;
        }
        if (w == 0) {
            innerLeft = left;
            innerRight = right;
        }
        FillSpan(y, left, innerLeft, pen.color);
        FillSpan(y, innerRight, right, pen.color);
        if (!brush.transparent)
            FillSpan(y, innerLeft, innerRight, brush.color);
    }
}

void BitmapCanvas::Polygon(std::span<const Point> points, const Pen& pen, const Brush& brush) {
    if (points.size() < 2)
        return;
    if (!brush.transparent) {
        int top = points[0].y, bottom = points[0].y;
        for (const Point& p : points) {
            top = std::min(top, p.y);
            bottom = std::max(bottom, p.y);
        }
        top = std::max(top, 0);
        bottom = std::min(bottom, image_.height);
        std::vector<double> crossings;
        for (int y = top; y < bottom; ++y) {
            const double centreY = y + 0.5;
            crossings.clear();
            for (std::size_t i = 0; i < points.size(); ++i) {
                const Point a = points[i];
                const Point b = points[(i + 1) % points.size()];
                if ((a.y <= centreY) == (b.y <= centreY))
                    continue;
                crossings.push_back(a.x + (centreY - a.y) * (b.x - a.x) / (b.y - a.y));
            }
            std::sort(crossings.begin(), crossings.end());
            for (std::size_t i = 0; i + 1 < crossings.size(); i += 2)
                FillSpan(y, static_cast<int>(std::ceil(crossings[i] - 0.5)),
                         static_cast<int>(std::ceil(crossings[i + 1] - 0.5)), brush.color);
        }
    }
    if (pen.width > 0)
        for (std::size_t i = 0; i < points.size(); ++i)
            Line(points[i], points[(i + 1) % points.size()], pen);
}

void BitmapCanvas::Line(Point from, Point to, const Pen& pen) {
    if (pen.width <= 0 || from == to)
        return;
    // Grid lines are level or upright: the pen's squares along them make
    // one rectangle, filled row by row rather than square by square.
    if (from.x == to.x || from.y == to.y) {
        const int low = -(pen.width - 1) / 2;
        // The points drawn: from the start up to, not including, the end.
        const int firstX = std::min(from.x, to.x) + (from.x > to.x ? 1 : 0);
        const int lastX = std::max(from.x, to.x) - (from.x < to.x ? 1 : 0);
        const int firstY = std::min(from.y, to.y) + (from.y > to.y ? 1 : 0);
        const int lastY = std::max(from.y, to.y) - (from.y < to.y ? 1 : 0);
        FillRect({firstX + low, firstY + low, lastX + low + pen.width, lastY + low + pen.width},
                 pen.color);
        return;
    }
    const int dx = std::abs(to.x - from.x), sx = from.x < to.x ? 1 : -1;
    const int dy = -std::abs(to.y - from.y), sy = from.y < to.y ? 1 : -1;
    int error = dx + dy;
    Point p = from;
    while (p != to) {
        Dot(p.x, p.y, pen);
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            p.x += sx;
        }
        if (twice <= dx) {
            error += dx;
            p.y += sy;
        }
    }
}

// Each character is a block the size of a lower-case letter, so a probe
// can find text and its colour without a font.
void BitmapCanvas::Text(Point at, std::string_view text, const Font& font) {
    const int cell = ApproximateCharWidth(font);
    const int height = std::abs(font.height);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ' ')
            continue;
        const int left = at.x + static_cast<int>(i) * cell;
        FillRect(
            {left, at.y + height * 3 / 10, left + std::max(cell - 1, 1), at.y + height * 9 / 10},
            font.color);
    }
    if (font.style & kUnderline)
        FillSpan(at.y + height - 1, at.x, at.x + static_cast<int>(text.size()) * cell, font.color);
}

void BitmapCanvas::TextOnBackground(Point at, std::string_view text, const Font& font,
                                    Color background) {
    const TextExtent extent = MeasureText(text, font);
    FillRect({at.x, at.y, at.x + extent.width, at.y + extent.height}, background);
    Text(at, text, font);
}

TextExtent BitmapCanvas::MeasureText(std::string_view text, const Font& font) {
    return ApproximateTextExtent(text, font);
}

void BitmapCanvas::Image(Point at, ImageSetId set, int index) {
    const ImageSet& images = GetImageSet(set);
    if (index < 0 || index >= images.count)
        return;
    Blit(at, images.strip, {0, index * images.height, images.width, (index + 1) * images.height},
         kMaskColor);
}

void BitmapCanvas::Blit(Point at, const PixelImage& source, const Rect& from, Color mask) {
    // Clipped once to the source and the clip, so the copy loop needs no checks.
    const int left = std::max({from.left, 0, from.left + clip_.left - at.x});
    const int top = std::max({from.top, 0, from.top + clip_.top - at.y});
    const int right = std::min({from.right, source.width, from.left + clip_.right - at.x});
    const int bottom = std::min({from.bottom, source.height, from.top + clip_.bottom - at.y});
    for (int y = top; y < bottom; ++y) {
        const Color* in = &source.pixels[static_cast<std::size_t>(y) * source.width];
        Color* out = &image_.At(0, at.y + y - from.top);
        for (int x = left; x < right; ++x)
            if (in[x] != mask)
                out[at.x + x - from.left] = in[x];
    }
}

void BitmapCanvas::VerticalGradient(const Rect& rect, Color top, Color bottom) {
    ForEachGradientBand(rect, top, bottom,
                        [this](const Rect& band, Color color) { FillRect(band, color); });
}

void BitmapCanvas::Polyline(std::span<const Point> points, const Pen& pen) {
    for (std::size_t i = 1; i < points.size(); ++i)
        Line(points[i - 1], points[i], pen);
}

void BitmapCanvas::SetClip(const Rect& rect) {
    clip_ = {std::clamp(rect.left, 0, image_.width), std::clamp(rect.top, 0, image_.height),
             std::clamp(rect.right, 0, image_.width), std::clamp(rect.bottom, 0, image_.height)};
}

void BitmapCanvas::ResetClip() {
    clip_ = {0, 0, image_.width, image_.height};
}

void BitmapCanvas::Picture(const Rect& to, const PixelImage& picture) {
    if (to.Width() <= 0 || to.Height() <= 0 || picture.width <= 0 || picture.height <= 0)
        return;
    const int top = std::max(to.top, clip_.top), bottom = std::min(to.bottom, clip_.bottom);
    const int left = std::max(to.left, clip_.left), right = std::min(to.right, clip_.right);
    for (int y = top; y < bottom; ++y) {
        const auto sourceY =
            static_cast<int>(static_cast<std::int64_t>(y - to.top) * picture.height / to.Height());
        for (int x = left; x < right; ++x) {
            const auto sourceX = static_cast<int>(static_cast<std::int64_t>(x - to.left) *
                                                  picture.width / to.Width());
            image_.At(x, y) = picture.At(sourceX, sourceY);
        }
    }
}

} // namespace lunea
