#include "tests/wine/page_pixels.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace lunea::test {
namespace {

constexpr Color kPaper = kWhite;
constexpr int kInkTolerance = 8;

template <class Matches> Rect BoundsWhere(const PixelImage& image, Matches matches) {
    Rect bounds{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            if (matches(image.At(x, y)))
                bounds = {std::min(bounds.left, x), std::min(bounds.top, y),
                          std::max(bounds.right, x + 1), std::max(bounds.bottom, y + 1)};
    return bounds.left == INT_MAX ? Rect{} : bounds;
}

} // namespace

bool IsNear(Color a, Color b, int tolerance) {
    const auto near = [tolerance](unsigned x, unsigned y) {
        return std::abs(static_cast<int>(x) - static_cast<int>(y)) <= tolerance;
    };
    return near(RedOf(a), RedOf(b)) && near(GreenOf(a), GreenOf(b)) && near(BlueOf(a), BlueOf(b));
}

Rect BoundsOf(const PixelImage& image, std::span<const Color> colours, int tolerance) {
    return BoundsWhere(image, [&](Color pixel) {
        return std::any_of(colours.begin(), colours.end(),
                           [&](Color colour) { return IsNear(pixel, colour, tolerance); });
    });
}

Rect InkBounds(const PixelImage& image) {
    return BoundsWhere(image, [](Color pixel) { return !IsNear(pixel, kPaper, kInkTolerance); });
}

double ShareOf(const PixelImage& image, const Rect& area, Color colour, int tolerance) {
    long matching = 0;
    long all = 0;
    for (int y = std::max(area.top, 0); y < std::min(area.bottom, image.height); ++y)
        for (int x = std::max(area.left, 0); x < std::min(area.right, image.width); ++x) {
            ++all;
            matching += IsNear(image.At(x, y), colour, tolerance);
        }
    return all == 0 ? 0.0 : static_cast<double>(matching) / static_cast<double>(all);
}

Rect Shrunk(const Rect& rect, int pixels) {
    return {rect.left + pixels, rect.top + pixels, rect.right - pixels, rect.bottom - pixels};
}

} // namespace lunea::test
