#include "components/canvas/bitmap_canvas.h"
#include "components/art/image_sets.h"

#include <gtest/gtest.h>

namespace lunea {
namespace {

constexpr Color kPaper = kWhite;
constexpr Color kInk = kBlack;
constexpr Color kFill = Rgb(10, 200, 30);

int CountColor(const BitmapCanvas& canvas, Color color) {
    int count = 0;
    for (Color pixel : canvas.Pixels().pixels)
        count += pixel == color;
    return count;
}

TEST(BitmapCanvas, RectangleCoversLeftAndTopButNotRightAndBottom) {
    BitmapCanvas canvas(20, 20, kPaper);
    canvas.Rectangle({2, 3, 8, 9}, {kInk, 1}, {kFill});
    EXPECT_EQ(canvas.PixelAt(2, 3), kInk);
    EXPECT_EQ(canvas.PixelAt(7, 8), kInk);
    EXPECT_EQ(canvas.PixelAt(8, 8), kPaper);
    EXPECT_EQ(canvas.PixelAt(7, 9), kPaper);
    EXPECT_EQ(canvas.PixelAt(3, 4), kFill);
    EXPECT_EQ(CountColor(canvas, kFill), 4 * 4);
    EXPECT_EQ(CountColor(canvas, kInk), 6 * 6 - 4 * 4);
}

TEST(BitmapCanvas, WideOutlineStaysInsideAndNoPenLeavesOnlyTheFill) {
    BitmapCanvas canvas(20, 20, kPaper);
    canvas.Rectangle({0, 0, 10, 10}, {kInk, 3}, {kFill});
    EXPECT_EQ(canvas.PixelAt(2, 5), kInk);
    EXPECT_EQ(canvas.PixelAt(3, 5), kFill);
    EXPECT_EQ(canvas.PixelAt(10, 5), kPaper);
    canvas.Rectangle({12, 12, 15, 15}, Pen::None(), {kInk});
    EXPECT_EQ(CountColor(canvas, kInk), 100 - 16 + 9);
}

TEST(BitmapCanvas, ShapesReachingPastTheEdgesAreClipped) {
    BitmapCanvas canvas(10, 10, kPaper);
    canvas.Rectangle({-5, -5, 4, 4}, Pen::None(), {kFill});
    canvas.RoundRect({-1, -1, 11, 11}, 10, 10, {kInk, 1}, Brush::Hollow());
    canvas.Ellipse({5, 5, 30, 30}, {kInk, 2}, {kFill});
    const Point far[] = {{-50, -50}, {60, -10}, {20, 70}};
    canvas.Polygon(far, {kInk, 1}, {kFill});
    canvas.Line({-20, 3}, {40, 3}, {kInk, 3});
    EXPECT_EQ(canvas.PixelAt(0, 0), kFill);
    EXPECT_EQ(canvas.PixelAt(9, 3), kInk);
}

TEST(BitmapCanvas, RoundedCellsLeaveTheirCornersAndShareTheirBorder) {
    BitmapCanvas canvas(120, 60, kPaper);
    canvas.RoundRect({0, 0, 49, 49}, 10, 10, {kInk, 1}, {kFill});
    canvas.RoundRect({48, 0, 97, 49}, 10, 10, {kInk, 1}, {kFill});
    EXPECT_EQ(canvas.PixelAt(0, 0), kPaper) << "the rounded corner stays unpainted";
    EXPECT_EQ(canvas.PixelAt(1, 0), kPaper);
    EXPECT_EQ(canvas.PixelAt(0, 1), kPaper);
    EXPECT_EQ(canvas.PixelAt(24, 0), kInk);
    EXPECT_EQ(canvas.PixelAt(0, 24), kInk);
    EXPECT_EQ(canvas.PixelAt(48, 24), kInk) << "the neighbours' shared border line";
    EXPECT_EQ(canvas.PixelAt(47, 24), kFill);
    EXPECT_EQ(canvas.PixelAt(49, 24), kFill);
    EXPECT_EQ(canvas.PixelAt(97, 24), kPaper);
    EXPECT_EQ(canvas.PixelAt(3, 3), kFill) << "inside the corner curve";
}

TEST(BitmapCanvas, EllipseFillsItsMiddleNotItsBoundingCorners) {
    BitmapCanvas canvas(20, 20, kPaper);
    canvas.Ellipse({0, 0, 20, 10}, {kInk, 1}, {kFill});
    EXPECT_EQ(canvas.PixelAt(10, 5), kFill);
    EXPECT_EQ(canvas.PixelAt(0, 5), kInk);
    EXPECT_EQ(canvas.PixelAt(10, 0), kInk);
    EXPECT_EQ(canvas.PixelAt(0, 0), kPaper);
    EXPECT_EQ(canvas.PixelAt(19, 9), kPaper);
    EXPECT_EQ(canvas.PixelAt(10, 10), kPaper);
}

TEST(BitmapCanvas, TransparentBrushKeepsWhatIsUnder) {
    BitmapCanvas canvas(20, 20, kFill);
    canvas.RoundRect({2, 2, 18, 18}, 6, 6, {kInk, 1}, Brush::Hollow());
    EXPECT_EQ(canvas.PixelAt(10, 10), kFill);
    EXPECT_EQ(canvas.PixelAt(10, 2), kInk);
}

TEST(BitmapCanvas, PolygonFillsByTheEvenOddRule) {
    BitmapCanvas canvas(40, 40, kPaper);
    // A U: the notch between the arms stays empty.
    const Point u[] = {{0, 0}, {10, 0}, {10, 20}, {20, 20}, {20, 0}, {30, 0}, {30, 30}, {0, 30}};
    canvas.Polygon(u, Pen::None(), {kFill});
    EXPECT_EQ(canvas.PixelAt(5, 5), kFill);
    EXPECT_EQ(canvas.PixelAt(25, 5), kFill);
    EXPECT_EQ(canvas.PixelAt(15, 10), kPaper);
    EXPECT_EQ(canvas.PixelAt(15, 25), kFill);
    EXPECT_EQ(canvas.PixelAt(30, 15), kPaper);

    // A pentagram: the centre is crossed twice and stays empty.
    BitmapCanvas star(40, 40, kPaper);
    const Point points[] = {{20, 0}, {32, 38}, {1, 14}, {39, 14}, {8, 38}};
    star.Polygon(points, Pen::None(), {kFill});
    EXPECT_EQ(star.PixelAt(20, 20), kPaper);
    EXPECT_EQ(star.PixelAt(20, 6), kFill);
}

TEST(BitmapCanvas, LineLeavesOutItsEndPoint) {
    BitmapCanvas canvas(20, 20, kPaper);
    canvas.Line({2, 5}, {12, 5}, {kInk, 1});
    EXPECT_EQ(canvas.PixelAt(2, 5), kInk);
    EXPECT_EQ(canvas.PixelAt(11, 5), kInk);
    EXPECT_EQ(canvas.PixelAt(12, 5), kPaper);
    EXPECT_EQ(CountColor(canvas, kInk), 10);
    canvas.Line({0, 0}, {19, 19}, {kInk, 1});
    EXPECT_EQ(canvas.PixelAt(7, 7), kInk);
    EXPECT_EQ(canvas.PixelAt(19, 19), kPaper);
}

TEST(BitmapCanvas, ImagesKeepTheBackgroundWhereTheirMaskIs) {
    const ImageSet& icons = GetImageSet(ImageSetId::Icons);
    BitmapCanvas canvas(40, 40, kFill);
    canvas.Image({4, 6}, ImageSetId::Icons, icon::kRedDot);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const Color source = icons.strip.At(x, icon::kRedDot * 16 + y);
            ASSERT_EQ(canvas.PixelAt(4 + x, 6 + y), source == kMaskColor ? kFill : source);
        }
    EXPECT_EQ(CountColor(canvas, kMaskColor), 0);
}

TEST(BitmapCanvas, ImagesOffTheEdgeOrOutOfTheSetAreClippedOrSkipped) {
    BitmapCanvas canvas(10, 10, kPaper);
    canvas.Image({-8, -8}, ImageSetId::Status, 3);
    canvas.Image({5, 5}, ImageSetId::Icons, 9);
    canvas.Image({5, 5}, ImageSetId::Bells, -1);
    EXPECT_EQ(canvas.PixelAt(9, 9), kPaper);
    canvas.Image({-8, -8}, ImageSetId::Icons, icon::kHeart);
    EXPECT_NE(canvas.PixelAt(0, 0), kPaper) << "the visible quarter of the heart";
}

TEST(BitmapCanvas, TextIsDrawnInItsColourWithinItsMeasuredExtent) {
    BitmapCanvas canvas(100, 30, kPaper);
    Font font;
    font.height = -12;
    font.color = kBlue;
    const TextExtent extent = canvas.MeasureText("31", font);
    EXPECT_EQ(extent, (TextExtent{12, 12}));
    font.style = kBold | kUnderline;
    EXPECT_GT(canvas.MeasureText("31", font).width, extent.width);
    canvas.Text({10, 5}, "31", font);
    int inside = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 100; ++x)
            if (canvas.PixelAt(x, y) == font.color) {
                ASSERT_GE(x, 10);
                ASSERT_LT(x, 10 + canvas.MeasureText("31", font).width);
                ASSERT_GE(y, 5);
                ASSERT_LT(y, 5 + 12);
                ++inside;
            }
    EXPECT_GT(inside, 0);
}

TEST(BitmapCanvas, TextOnBackgroundFillsExactlyItsMeasuredExtentFirst) {
    BitmapCanvas canvas(60, 30, kPaper);
    Font font;
    font.color = kBlue;
    const Color yellow = kYellow;
    canvas.TextOnBackground({10, 5}, "7 1", font, yellow);
    const TextExtent extent = canvas.MeasureText("7 1", font);
    const struct {
        Point probe;
        Color expected;
    } cases[] = {{{10, 5}, yellow},      {{10 + extent.width - 1, 5 + extent.height - 1}, yellow},
                 {{13, 10}, font.color}, {{10 + extent.width, 5}, kPaper},
                 {{9, 10}, kPaper},      {{10, 5 + extent.height}, kPaper}};
    for (const auto& c : cases)
        EXPECT_EQ(canvas.PixelAt(c.probe.x, c.probe.y), c.expected)
            << c.probe.x << "," << c.probe.y;
}

// Each point of a line but its end carries the pen's square, its extra
// pixel below and right for an even width, whichever way the line runs.
TEST(BitmapCanvas, LevelAndUprightLinesCoverThePensSquaresUpToTheirEnd) {
    const struct {
        Point from, to;
        int width;
        Rect covered;
    } cases[] = {{{4, 5}, {10, 5}, 1, {4, 5, 10, 6}}, {{10, 5}, {4, 5}, 1, {5, 5, 11, 6}},
                 {{4, 5}, {10, 5}, 2, {4, 5, 11, 7}}, {{10, 5}, {4, 5}, 3, {4, 4, 12, 7}},
                 {{7, 2}, {7, 12}, 3, {6, 1, 9, 13}}, {{7, 12}, {7, 2}, 2, {7, 3, 9, 14}},
                 {{7, 7}, {7, 7}, 3, {0, 0, 0, 0}}};
    for (const auto& c : cases) {
        BitmapCanvas canvas(20, 20, kPaper);
        canvas.Line(c.from, c.to, {kInk, c.width});
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 20; ++x) {
                const bool inside = x >= c.covered.left && x < c.covered.right &&
                                    y >= c.covered.top && y < c.covered.bottom;
                ASSERT_EQ(canvas.PixelAt(x, y), inside ? kInk : kPaper)
                    << c.from.x << "," << c.from.y << " w" << c.width << " at " << x << "," << y;
            }
    }
}

} // namespace
} // namespace lunea
