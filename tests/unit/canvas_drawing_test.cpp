// Gradients, polylines, clips, pictures, placed text and the scaled canvas.
#include "components/canvas/bitmap_canvas.h"
#include "components/canvas/gradient.h"
#include "components/art/image_sets.h"
#include "components/canvas/recording_canvas.h"
#include "components/canvas/scaled_canvas.h"

#include <gtest/gtest.h>

namespace lunea {
namespace {

constexpr Color kPaper = kWhite;
constexpr Color kInk = kBlack;
constexpr Color kGreen = Rgb(202, 255, 202);
constexpr Color kPink = Rgb(255, 168, 168);

TEST(BitmapCanvas, GradientRunsFromTheTopColourOnTheFirstRowToTheBottomOnTheLast) {
    BitmapCanvas canvas(10, 101, kPaper);
    canvas.VerticalGradient({2, 0, 8, 101}, kPink, kGreen);
    EXPECT_EQ(canvas.PixelAt(2, 0), kPink);
    EXPECT_EQ(canvas.PixelAt(7, 100), kGreen);
    EXPECT_EQ(canvas.PixelAt(5, 50), Rgb(229, 212, 185)) << "halfway, each channel rounded";
    EXPECT_EQ(canvas.PixelAt(8, 50), kPaper);
    canvas.VerticalGradient({0, 0, 10, 1}, kInk, kPaper);
    EXPECT_EQ(canvas.PixelAt(0, 0), kInk) << "one row takes the top colour";
}

TEST(BitmapCanvas, ClipKeepsEveryKindOfDrawingInsideUntilReset) {
    BitmapCanvas canvas(20, 20, kPaper);
    canvas.SetClip({5, 5, 10, 10});
    canvas.Rectangle({0, 0, 20, 20}, Pen::None(), {kInk});
    canvas.Line({0, 12}, {20, 12}, {kInk, 1});
    canvas.Image({0, 0}, ImageSetId::Icons, icon::kRedDot);
    canvas.Picture({0, 0, 20, 20}, PixelImage(2, 2, kInk));
    EXPECT_EQ(canvas.PixelAt(5, 5), kInk);
    EXPECT_EQ(canvas.PixelAt(10, 10), kPaper);
    EXPECT_EQ(canvas.PixelAt(4, 7), kPaper);
    EXPECT_EQ(canvas.PixelAt(3, 12), kPaper);
    canvas.SetClip({-100, 15, 1000, 16}); // cut to the picture
    canvas.ResetClip();
    canvas.Line({0, 12}, {20, 12}, {kInk, 1});
    EXPECT_EQ(canvas.PixelAt(3, 12), kInk);
}

TEST(BitmapCanvas, PictureIsStretchedPixelForPixelAndPolylineJoinsItsPoints) {
    PixelImage picture(2, 1, kInk);
    picture.At(1, 0) = kPink;
    BitmapCanvas canvas(20, 20, kPaper);
    canvas.Picture({0, 0, 8, 4}, picture);
    EXPECT_EQ(canvas.PixelAt(3, 3), kInk);
    EXPECT_EQ(canvas.PixelAt(4, 0), kPink);
    EXPECT_EQ(canvas.PixelAt(8, 0), kPaper);
    const Point path[] = {{0, 10}, {10, 10}, {10, 19}};
    canvas.Polyline(path, {kGreen, 1});
    EXPECT_EQ(canvas.PixelAt(5, 10), kGreen);
    EXPECT_EQ(canvas.PixelAt(10, 15), kGreen);
    EXPECT_EQ(canvas.PixelAt(10, 19), kPaper) << "the last point is left out";
}

TEST(CanvasText, IsPlacedInItsRectangleByBothAlignments) {
    const Font font;
    RecordingCanvas canvas;
    const TextExtent extent = canvas.MeasureText("28", font);
    const Rect box{10, 20, 110, 60};
    struct Case {
        HorizontalAlign horizontal;
        VerticalAlign vertical;
        Point at;
    } const cases[] = {
        {HorizontalAlign::Left, VerticalAlign::Top, {10, 20}},
        {HorizontalAlign::Centre,
         VerticalAlign::Middle,
         {10 + (100 - extent.width) / 2, 20 + (40 - extent.height) / 2}},
        {HorizontalAlign::Right, VerticalAlign::Bottom, {110 - extent.width, 60 - extent.height}},
    };
    for (const Case& c : cases) {
        canvas.Clear();
        canvas.TextInRect(box, "28", font, c.horizontal, c.vertical);
        EXPECT_EQ(canvas.CallsOf<TextCall>().at(0).at, c.at);
    }
}

TEST(ScaledCanvas, MapsPositionsPensAndFontsAndMeasuresInTheCallersPixels) {
    RecordingCanvas device;
    ScaledCanvas canvas(device, {100, 200}, 2.5);
    canvas.Rectangle({0, 0, 10, 4}, {kInk, 1}, {kPink});
    canvas.Line({2, 2}, {4, 4}, {kInk, 0});
    const Font font{"Arial", -12};
    canvas.Text({4, 8}, "36.6", font);
    const auto rect = device.CallsOf<RectangleCall>().at(0);
    EXPECT_EQ(rect.rect, (Rect{100, 200, 125, 210}));
    EXPECT_EQ(rect.pen.width, 3) << "2.5 rounded";
    EXPECT_EQ(device.CallsOf<LineCall>().at(0).pen.width, 0) << "no pen stays none";
    const auto text = device.CallsOf<TextCall>().at(0);
    EXPECT_EQ(text.at, (Point{110, 220}));
    EXPECT_EQ(text.font.height, -30);
    const TextExtent measured = canvas.MeasureText("36.6", font);
    EXPECT_NEAR(measured.width, device.MeasureText("36.6", font).width, 1);
    canvas.TextOnBackground({4, 8}, "36.6", font, kPink);
    const auto onBackground = device.CallsOf<TextCall>().at(1);
    EXPECT_EQ(onBackground.at, text.at);
    EXPECT_EQ(onBackground.font.height, -30);
    EXPECT_EQ(onBackground.background, kPink);
}

TEST(ScaledCanvas, ImagesArriveAsOpaqueRectanglesOfTheirColours) {
    BitmapCanvas direct(64, 64, kPaper);
    direct.Image({0, 0}, ImageSetId::Icons, icon::kHeart);
    BitmapCanvas device(64, 64, kPaper);
    ScaledCanvas canvas(device, {0, 0}, 2.0);
    canvas.Image({0, 0}, ImageSetId::Icons, icon::kHeart);
    canvas.Image({0, 0}, ImageSetId::Icons, 99);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ(device.PixelAt(2 * x + 1, 2 * y + 1), direct.PixelAt(x, y)) << x << "," << y;
}

TEST(Gradient, BandsCoverEveryRowOnceWithTheirRowsColour) {
    const Rect rect{0, 10, 5, 310};
    int next = rect.top;
    ForEachGradientBand(rect, kGreen, kPink, [&](const Rect& band, Color color) {
        EXPECT_EQ(band.top, next);
        EXPECT_EQ(color, GradientRowColor(kGreen, kPink, band.top - rect.top, rect.Height()));
        EXPECT_EQ(color,
                  GradientRowColor(kGreen, kPink, band.bottom - 1 - rect.top, rect.Height()));
        next = band.bottom;
    });
    EXPECT_EQ(next, rect.bottom);
}

} // namespace
} // namespace lunea
