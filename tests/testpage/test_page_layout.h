#pragma once
// The page the printing tests print and read back: LuneaTestPage.exe draws it
// in printer pixels, a test finds it again in the pixels of the rendered PDF,
// both through this one layout.
#include "components/printing/fit_inside.h"
#include "components/printing/page_format.h"
#include "components/canvas/pixel_image.h"

#include <array>
#include <string>
#include <vector>

namespace lunea::test_page {

constexpr int kMarginMillimetres = 15;
// Three bands side by side across the top quarter, drawn as rectangles.
constexpr std::array<Color, 3> kBandColours = {Rgb(230, 30, 40), Rgb(20, 160, 60),
                                               Rgb(30, 60, 200)};
// The picture below them: 8 x 6 pixels, one colour a quadrant, clockwise from
// the top left; not symmetric, so swapped channels or flipped rows show.
constexpr std::array<Color, 4> kQuadrantColours = {Rgb(0, 200, 200), Rgb(200, 0, 200),
                                                   Rgb(230, 200, 0), Rgb(60, 60, 60)};
constexpr int kPictureWidth = 8;
constexpr int kPictureHeight = 6;

struct Layout {
    Rect area; // inside the margins: nothing is drawn outside
    std::array<Rect, 3> bands;
    Rect picture;
    std::array<Rect, 4> quadrants; // of the picture as placed
};

inline Layout LayoutOf(const PageFormat& page) {
    Layout layout;
    layout.area = InsideMargins(page, kMarginMillimetres);
    const Rect& area = layout.area;
    const int bandsBottom = area.top + area.Height() / 4;
    for (int i = 0; i < 3; ++i)
        layout.bands[i] = {area.left + area.Width() * i / 3, area.top,
                           area.left + area.Width() * (i + 1) / 3, bandsBottom};
    const int gap = area.Height() / 20;
    layout.picture = FitInside(kPictureWidth, kPictureHeight,
                               {area.left, bandsBottom + gap, area.right, area.bottom});
    const Rect& p = layout.picture;
    const int midX = p.left + p.Width() / 2;
    const int midY = p.top + p.Height() / 2;
    layout.quadrants = {Rect{p.left, p.top, midX, midY}, Rect{midX, p.top, p.right, midY},
                        Rect{midX, midY, p.right, p.bottom}, Rect{p.left, midY, midX, p.bottom}};
    return layout;
}

inline PixelImage Picture() {
    PixelImage picture(kPictureWidth, kPictureHeight, 0);
    for (int y = 0; y < kPictureHeight; ++y)
        for (int x = 0; x < kPictureWidth; ++x) {
            const bool right = x >= kPictureWidth / 2;
            const bool lower = y >= kPictureHeight / 2;
            picture.At(x, y) = kQuadrantColours[lower ? (right ? 2 : 3) : (right ? 1 : 0)];
        }
    return picture;
}

// The report printed with --report: the same picture, and notes enough for
// a second page.
constexpr int kReportNotes = 100;

inline std::vector<std::string> ReportNotes() {
    std::vector<std::string> notes;
    for (int i = 1; i <= kReportNotes; ++i)
        notes.push_back("Note " + std::to_string(i));
    return notes;
}

} // namespace lunea::test_page
