#include "components/canvas/gdi_canvas_win.h"

#include "components/canvas/dib_surface_win.h"
#include "components/canvas/gdi_font_win.h"
#include "components/canvas/gradient.h"
#include "components/canvas/pixel_image.h"

#include "components/canvas/image_set_surfaces_win.h"
#include "components/canvas/image_set.h"

#include <vector>

namespace lunea {
namespace {

// The outline stays inside the shape's bounds, as in the bitmap canvas.
PenHandle MakePen(const Pen& pen) {
    if (pen.width <= 0)
        return {};
    return PenHandle(CreatePen(PS_INSIDEFRAME, pen.width, pen.color));
}

BrushHandle MakeBrush(const Brush& brush) {
    if (brush.transparent)
        return {};
    return BrushHandle(CreateSolidBrush(brush.color));
}

// Pen and brush selected for one shape; stock null objects stand for none.
class ShapeTools {
  public:
    ShapeTools(HDC dc, const Pen& pen, const Brush& brush)
        : pen_(MakePen(pen)), brush_(MakeBrush(brush)),
          penSelection_(dc, pen_ ? static_cast<HGDIOBJ>(pen_.Get()) : GetStockObject(NULL_PEN)),
          brushSelection_(dc, brush_ ? static_cast<HGDIOBJ>(brush_.Get())
                                     : GetStockObject(NULL_BRUSH)) {}

  private:
    PenHandle pen_;
    BrushHandle brush_;
    SelectedObject penSelection_;
    SelectedObject brushSelection_;
};

// GDI leaves out the right and bottom edge of a shape drawn without a pen;
// widening by one keeps the covered pixels the same with or without one.
Rect Covered(const Rect& rect, const Pen& pen) {
    if (pen.width > 0)
        return rect;
    return {rect.left, rect.top, rect.right + 1, rect.bottom + 1};
}

std::vector<POINT> ToPoints(std::span<const Point> points) {
    std::vector<POINT> converted;
    converted.reserve(points.size());
    for (const Point& p : points)
        converted.push_back({p.x, p.y});
    return converted;
}

PenHandle MakeLinePen(const Pen& pen) {
    if (pen.width <= 0)
        return {};
    return PenHandle(CreatePen(PS_SOLID, pen.width, pen.color));
}

} // namespace

GdiCanvas::GdiCanvas(HDC dc) : dc_(dc), savedState_(SaveDC(dc)) {
    SetBkMode(dc_, TRANSPARENT);
    SetTextAlign(dc_, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    SetPolyFillMode(dc_, ALTERNATE);
}

GdiCanvas::~GdiCanvas() {
    ResetClip();
    if (savedState_)
        RestoreDC(dc_, savedState_);
}

void GdiCanvas::Rectangle(const Rect& rect, const Pen& pen, const Brush& brush) {
    ShapeTools tools(dc_, pen, brush);
    const Rect r = Covered(rect, pen);
    ::Rectangle(dc_, r.left, r.top, r.right, r.bottom);
}

void GdiCanvas::RoundRect(const Rect& rect, int ellipseWidth, int ellipseHeight, const Pen& pen,
                          const Brush& brush) {
    ShapeTools tools(dc_, pen, brush);
    const Rect r = Covered(rect, pen);
    ::RoundRect(dc_, r.left, r.top, r.right, r.bottom, ellipseWidth, ellipseHeight);
}

void GdiCanvas::Ellipse(const Rect& bounds, const Pen& pen, const Brush& brush) {
    ShapeTools tools(dc_, pen, brush);
    const Rect r = Covered(bounds, pen);
    ::Ellipse(dc_, r.left, r.top, r.right, r.bottom);
}

void GdiCanvas::Polygon(std::span<const Point> points, const Pen& pen, const Brush& brush) {
    const std::vector<POINT> corners = ToPoints(points);
    ShapeTools tools(dc_, pen, brush);
    ::Polygon(dc_, corners.data(), static_cast<int>(corners.size()));
}

void GdiCanvas::Line(Point from, Point to, const Pen& pen) {
    const PenHandle gdiPen = MakeLinePen(pen);
    if (!gdiPen)
        return;
    SelectedObject selection(dc_, gdiPen.Get());
    MoveToEx(dc_, from.x, from.y, nullptr);
    LineTo(dc_, to.x, to.y);
}

HFONT GdiCanvas::FontFor(const Font& font) {
    if (lastFontHandle_ && font.name == lastFont_.name && font.height == lastFont_.height &&
        font.style == lastFont_.style && font.charset == lastFont_.charset)
        return lastFontHandle_.Get();
    lastFontHandle_.Reset(nullptr);
    lastFontHandle_ = CreateGdiFont(font);
    lastFont_ = font;
    return lastFontHandle_.Get();
}

void GdiCanvas::Text(Point at, std::string_view text, const Font& font) {
    const HFONT handle = FontFor(font);
    if (!handle)
        return;
    SelectedObject selection(dc_, handle);
    SetTextColor(dc_, font.color);
    TextOutA(dc_, at.x, at.y, text.data(), static_cast<int>(text.size()));
}

// The canvas stays transparent between calls: every other text relies on it.
void GdiCanvas::TextOnBackground(Point at, std::string_view text, const Font& font,
                                 Color background) {
    SetBkMode(dc_, OPAQUE);
    SetBkColor(dc_, background);
    Text(at, text, font);
    SetBkMode(dc_, TRANSPARENT);
}

TextExtent GdiCanvas::MeasureText(std::string_view text, const Font& font) {
    const HFONT handle = FontFor(font);
    if (!handle)
        return {};
    SelectedObject selection(dc_, handle);
    SIZE size{};
    if (!GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &size))
        return {};
    return {size.cx, size.cy};
}

void GdiCanvas::Image(Point at, ImageSetId set, int index) {
    const ImageSet& images = GetImageSet(set);
    if (index < 0 || index >= images.count)
        return;
    const DibSurface* source = ImageSetSurface(set);
    if (!source)
        return;
    TransparentBlt(dc_, at.x, at.y, images.width, images.height, source->Dc(), 0,
                   index * images.height, images.width, images.height, kMaskColor);
}

void GdiCanvas::VerticalGradient(const Rect& rect, Color top, Color bottom) {
    ForEachGradientBand(rect, top, bottom, [this](const Rect& band, Color color) {
        const BrushHandle brush(CreateSolidBrush(color));
        const RECT r{band.left, band.top, band.right, band.bottom};
        if (brush)
            FillRect(dc_, &r, brush.Get());
    });
}

void GdiCanvas::Polyline(std::span<const Point> points, const Pen& pen) {
    const PenHandle gdiPen = MakeLinePen(pen);
    if (!gdiPen || points.size() < 2)
        return;
    const std::vector<POINT> corners = ToPoints(points);
    SelectedObject selection(dc_, gdiPen.Get());
    ::Polyline(dc_, corners.data(), static_cast<int>(corners.size()));
}

void GdiCanvas::SetClip(const Rect& rect) {
    ResetClip();
    clipState_ = SaveDC(dc_);
    IntersectClipRect(dc_, rect.left, rect.top, rect.right, rect.bottom);
}

void GdiCanvas::ResetClip() {
    if (clipState_)
        RestoreDC(dc_, clipState_);
    clipState_ = 0;
}

void GdiCanvas::Picture(const Rect& to, const PixelImage& picture) {
    if (picture.width <= 0 || picture.height <= 0)
        return;
    std::vector<std::uint32_t> bits(picture.pixels.size());
    for (std::size_t i = 0; i < bits.size(); ++i)
        bits[i] = ToDibPixel(picture.pixels[i]);
    const BITMAPINFO info = TopDownDibInfo(picture.width, picture.height);
    SetStretchBltMode(dc_, COLORONCOLOR);
    StretchDIBits(dc_, to.left, to.top, to.Width(), to.Height(), 0, 0, picture.width,
                  picture.height, bits.data(), &info, DIB_RGB_COLORS, SRCCOPY);
}

} // namespace lunea
