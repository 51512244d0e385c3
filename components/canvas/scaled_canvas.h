#pragma once
// Draws on another canvas at a scale, from an origin: how a renderer laid
// out in screen pixels is drawn on a printer at the printer's resolution,
// every line and letter drawn there rather than a screen picture blown up.

#include "components/canvas/canvas.h"

#include <vector>

namespace lunea {

class ScaledCanvas final : public Canvas {
  public:
    // A point (x, y) lands at origin + (x, y) * scale on the device.
    ScaledCanvas(Canvas& device, Point origin, double scale);

    void Rectangle(const Rect& rect, const Pen& pen, const Brush& brush) override;
    void RoundRect(const Rect& rect, int ellipseWidth, int ellipseHeight, const Pen& pen,
                   const Brush& brush) override;
    void Ellipse(const Rect& bounds, const Pen& pen, const Brush& brush) override;
    void Polygon(std::span<const Point> points, const Pen& pen, const Brush& brush) override;
    void Line(Point from, Point to, const Pen& pen) override;
    void Text(Point at, std::string_view text, const Font& font) override;
    void TextOnBackground(Point at, std::string_view text, const Font& font,
                          Color background) override;
    // In the caller's pixels, so its layout holds on the device.
    TextExtent MeasureText(std::string_view text, const Font& font) override;
    // Drawn as filled runs of opaque pixels: printers drop masked blits.
    void Image(Point at, ImageSetId set, int index) override;
    void VerticalGradient(const Rect& rect, Color top, Color bottom) override;
    void Polyline(std::span<const Point> points, const Pen& pen) override;
    void SetClip(const Rect& rect) override;
    void ResetClip() override;
    void Picture(const Rect& to, const PixelImage& picture) override;

  private:
    int Length(int length) const;
    Point Map(Point p) const;
    std::vector<Point> Map(std::span<const Point> points) const;
    Rect Map(const Rect& rect) const;
    Pen Map(const Pen& pen) const;
    Font Map(const Font& font) const;

    Canvas& device_;
    Point origin_;
    double scale_;
};

} // namespace lunea
