#pragma once
// A canvas that keeps every call with its parameters, for renderer tests.

#include "components/canvas/canvas.h"

#include <optional>
#include <variant>
#include <vector>

namespace lunea {

struct RectangleCall {
    Rect rect;
    Pen pen;
    Brush brush;
};
struct RoundRectCall {
    Rect rect;
    int ellipseWidth = 0;
    int ellipseHeight = 0;
    Pen pen;
    Brush brush;
};
struct EllipseCall {
    Rect bounds;
    Pen pen;
    Brush brush;
};
struct PolygonCall {
    std::vector<Point> points;
    Pen pen;
    Brush brush;
};
struct LineCall {
    Point from;
    Point to;
    Pen pen;
};
struct TextCall {
    Point at;
    std::string text;
    Font font;
    std::optional<Color> background; // none: drawn transparently
};
struct ImageCall {
    Point at;
    ImageSetId set{};
    int index = 0;
};

struct GradientCall {
    Rect rect;
    Color top = 0;
    Color bottom = 0;
};
struct PolylineCall {
    std::vector<Point> points;
    Pen pen;
};
// A clip set, or with no rectangle the clip reset.
struct ClipCall {
    std::optional<Rect> rect;
};
struct PictureCall {
    Rect to;
    int width = 0;
    int height = 0;
};

using DrawCall =
    std::variant<RectangleCall, RoundRectCall, EllipseCall, PolygonCall, LineCall, TextCall,
                 ImageCall, GradientCall, PolylineCall, ClipCall, PictureCall>;

class RecordingCanvas final : public Canvas {
  public:
    const std::vector<DrawCall>& Calls() const { return calls_; }

    // The calls of one kind, in the order they were made.
    template <typename Call> std::vector<Call> CallsOf() const {
        std::vector<Call> found;
        for (const DrawCall& call : calls_)
            if (const Call* match = std::get_if<Call>(&call))
                found.push_back(*match);
        return found;
    }

    void Clear() { calls_.clear(); }

    void Rectangle(const Rect& rect, const Pen& pen, const Brush& brush) override;
    void RoundRect(const Rect& rect, int ellipseWidth, int ellipseHeight, const Pen& pen,
                   const Brush& brush) override;
    void Ellipse(const Rect& bounds, const Pen& pen, const Brush& brush) override;
    void Polygon(std::span<const Point> points, const Pen& pen, const Brush& brush) override;
    void Line(Point from, Point to, const Pen& pen) override;
    void Text(Point at, std::string_view text, const Font& font) override;
    void TextOnBackground(Point at, std::string_view text, const Font& font,
                          Color background) override;
    TextExtent MeasureText(std::string_view text, const Font& font) override;
    void Image(Point at, ImageSetId set, int index) override;
    void VerticalGradient(const Rect& rect, Color top, Color bottom) override;
    void Polyline(std::span<const Point> points, const Pen& pen) override;
    void SetClip(const Rect& rect) override;
    void ResetClip() override;
    void Picture(const Rect& to, const PixelImage& picture) override;

  private:
    std::vector<DrawCall> calls_;
};

} // namespace lunea
