#pragma once
// The drawing interface every renderer draws on. Each call carries its own
// pen, brush and font, so a renderer never depends on what an earlier call
// left selected; backends: GDI (the program), a recorder and a pixel buffer
// (tests and benchmarks).

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace lunea {

struct PixelImage;

// 0x00BBGGRR, red in the low byte.
using Color = std::uint32_t;

constexpr Color Rgb(unsigned red, unsigned green, unsigned blue) {
    return (red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16;
}
constexpr unsigned RedOf(Color color) {
    return color & 0xFF;
}
constexpr unsigned GreenOf(Color color) {
    return color >> 8 & 0xFF;
}
constexpr unsigned BlueOf(Color color) {
    return color >> 16 & 0xFF;
}

// Plain colours that pictures, controls and reports share.
constexpr Color kBlack = Rgb(0, 0, 0);
constexpr Color kWhite = Rgb(255, 255, 255);
constexpr Color kRed = Rgb(255, 0, 0);
constexpr Color kYellow = Rgb(255, 255, 0);
constexpr Color kBlue = Rgb(0, 0, 255);
constexpr Color kNavy = Rgb(0, 0, 128);
constexpr Color kGrey = Rgb(128, 128, 128);

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// Right and bottom are exclusive, as in GDI.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// Width 0 draws no outline.
struct Pen {
    Color color = 0;
    int width = 1;
    static Pen None() { return {0, 0}; }
    friend bool operator==(const Pen&, const Pen&) = default;
};

struct Brush {
    Color color = 0;
    bool transparent = false;
    static Brush Hollow() { return {0, true}; }
    friend bool operator==(const Brush&, const Brush&) = default;
};

enum FontStyle : unsigned {
    kNormal = 0,
    kBold = 1,
    kItalic = 2,
    kUnderline = 4,
};

struct Font {
    std::string name = "Arial";
    int height = -12; // negative: character height in pixels, as GDI's lfHeight
    unsigned style = kNormal;
    int charset = 0; // 0 ANSI, 204 Cyrillic
    Color color = 0;
    friend bool operator==(const Font&, const Font&) = default;
};

struct TextExtent {
    int width = 0;
    int height = 0;
    friend bool operator==(const TextExtent&, const TextExtent&) = default;
};

enum class HorizontalAlign { Left, Centre, Right };
enum class VerticalAlign { Top, Middle, Bottom };

// Which of the program's pictures an Image call draws: the catalogue
// itself belongs to the program's artwork (components/art/image_sets.h).
enum class ImageSetId;

class Canvas {
  public:
    virtual ~Canvas() = default;

    virtual void Rectangle(const Rect& rect, const Pen& pen, const Brush& brush) = 0;
    // ellipseWidth x ellipseHeight is the size of the ellipse rounding each corner.
    virtual void RoundRect(const Rect& rect, int ellipseWidth, int ellipseHeight, const Pen& pen,
                           const Brush& brush) = 0;
    virtual void Ellipse(const Rect& bounds, const Pen& pen, const Brush& brush) = 0;
    // Filled by the even-odd rule, as GDI's default polygon fill mode.
    virtual void Polygon(std::span<const Point> points, const Pen& pen, const Brush& brush) = 0;
    // The end point is not drawn, as GDI's LineTo.
    virtual void Line(Point from, Point to, const Pen& pen) = 0;
    // Text always has a transparent background; `at` is its top-left corner.
    virtual void Text(Point at, std::string_view text, const Font& font) = 0;
    // Text over its measured extent filled with `background`, as GDI's opaque mode.
    virtual void TextOnBackground(Point at, std::string_view text, const Font& font,
                                  Color background) = 0;
    virtual TextExtent MeasureText(std::string_view text, const Font& font) = 0;
    // One image of a set, its mask colour left transparent.
    virtual void Image(Point at, ImageSetId set, int index) = 0;
    // The rows shade evenly from `top` (the first row) to `bottom` (the last).
    virtual void VerticalGradient(const Rect& rect, Color top, Color bottom) = 0;
    // Joined lines; the last point is not drawn, as with Line.
    virtual void Polyline(std::span<const Point> points, const Pen& pen) = 0;
    // Until ResetClip nothing is drawn outside the rectangle.
    virtual void SetClip(const Rect& rect) = 0;
    virtual void ResetClip() = 0;
    // A picture of any size stretched into `to`, every pixel opaque.
    virtual void Picture(const Rect& to, const PixelImage& picture) = 0;

    // One line of text placed inside the rectangle; it is not cut to it.
    void TextInRect(const Rect& rect, std::string_view text, const Font& font,
                    HorizontalAlign horizontal, VerticalAlign vertical);
};

} // namespace lunea
