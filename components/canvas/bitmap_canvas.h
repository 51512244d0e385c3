#pragma once
// A canvas that paints into a pixel buffer in software: shapes exactly by
// GDI's rules of which pixels a shape covers, text as one block per
// character (see approximate_text.h). For pixel probes in tests and for
// timing renderers natively.

#include "components/canvas/canvas.h"
#include "components/canvas/pixel_image.h"

namespace lunea {

class BitmapCanvas final : public Canvas {
  public:
    BitmapCanvas(int width, int height, Color background = kWhite);

    const PixelImage& Pixels() const { return image_; }
    Color PixelAt(int x, int y) const { return image_.At(x, y); }

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
    // Nearest pixel: a picture keeps its hard edges, as StretchDIBits' COLORONCOLOR.
    void Picture(const Rect& to, const PixelImage& picture) override;

    // Copies a picture, leaving pixels of the mask colour untouched.
    void Blit(Point at, const PixelImage& source, const Rect& from, Color mask);
    void FillRect(const Rect& rect, Color color);

  private:
    void FillSpan(int y, int left, int right, Color color);
    void Plot(int x, int y, Color color);
    void Dot(int x, int y, const Pen& pen);

    bool InClip(int x, int y) const;

    PixelImage image_;
    Rect clip_; // always within the image
};

} // namespace lunea
