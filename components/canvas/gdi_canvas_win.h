#pragma once
// The program's canvas: draws through GDI on a device context. Every call
// selects its own pen, brush and font and restores what was selected.

#include "components/canvas/canvas.h"
#include "components/canvas/gdi_handles_win.h"

namespace lunea {

class GdiCanvas final : public Canvas {
  public:
    explicit GdiCanvas(HDC dc);
    ~GdiCanvas() override;
    GdiCanvas(const GdiCanvas&) = delete;
    GdiCanvas& operator=(const GdiCanvas&) = delete;

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
    // Through StretchDIBits, which printers take (masked blits they may drop).
    void Picture(const Rect& to, const PixelImage& picture) override;

  private:
    HFONT FontFor(const Font& font);

    HDC dc_;
    int savedState_;
    int clipState_ = 0; // the DC's state saved before the clip was set
    // Renderers draw many texts in one font: the last font made is kept.
    Font lastFont_;
    FontHandle lastFontHandle_;
};

} // namespace lunea
