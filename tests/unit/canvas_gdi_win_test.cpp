#include "components/art/artwork_builders.h"
#include "components/canvas/bitmap_canvas.h"
#include "components/canvas/dib_surface_win.h"
#include "components/canvas/gdi_canvas_win.h"
#include "components/canvas/image_set_surfaces_win.h"
#include "components/art/image_sets.h"

#include <gtest/gtest.h>

namespace lunea {
namespace {

constexpr Color kPaper = kWhite;

void Whiten(DibSurface& surface) {
    surface.SetPixels(PixelImage(surface.Width(), surface.Height(), kPaper));
}

void ExpectSamePixels(const DibSurface& surface, const BitmapCanvas& expected,
                      std::initializer_list<Point> probes) {
    for (Point probe : probes)
        EXPECT_EQ(surface.PixelAt(probe.x, probe.y), expected.PixelAt(probe.x, probe.y))
            << probe.x << "," << probe.y;
}

TEST(GdiCanvas, ColoursReachThePixelsRedInTheLowByte) {
    DibSurface surface(40, 40);
    ASSERT_TRUE(surface.IsValid());
    Whiten(surface);
    {
        GdiCanvas canvas(surface.Dc());
        canvas.Rectangle({0, 0, 20, 20}, Pen::None(), {kRed});
        canvas.Rectangle({20, 0, 40, 20}, Pen::None(), {kBlue});
    }
    EXPECT_EQ(surface.PixelAt(5, 5), kRed);
    EXPECT_EQ(surface.PixelAt(25, 5), kBlue);
    EXPECT_EQ(surface.PixelAt(19, 19), kRed) << "without a pen the fill reaches the edges";
    EXPECT_EQ(surface.PixelAt(20, 20), kPaper);
}

// The bitmap canvas is what tests probe instead of the screen: the shapes
// must cover the same pixels in both.
TEST(GdiCanvas, ShapesCoverThePixelsTheBitmapCanvasCovers) {
    const auto draw = [](Canvas& canvas) {
        canvas.Rectangle({2, 2, 30, 20}, {kBlack, 1}, {kRed});
        canvas.RoundRect({0, 24, 49, 73}, 10, 10, {kBlack, 1}, {kBlue});
        canvas.RoundRect({48, 24, 97, 73}, 10, 10, {Rgb(0, 255, 255), 1}, Brush::Hollow());
        canvas.Rectangle({60, 2, 90, 20}, {Rgb(0, 128, 0), 3}, {kPaper});
    };
    DibSurface surface(100, 80);
    Whiten(surface);
    {
        GdiCanvas canvas(surface.Dc());
        draw(canvas);
    }
    BitmapCanvas expected(100, 80, kPaper);
    draw(expected);
    // Edges of filled shapes and straight outlines must match exactly;
    // curved outlines may differ by a pixel of rasterisation.
    ExpectSamePixels(surface, expected,
                     {{2, 2},
                      {29, 19},
                      {30, 19},
                      {3, 3},
                      {24, 24},
                      {0, 48},
                      {48, 48},
                      {49, 48},
                      {24, 72},
                      {24, 73},
                      {60, 10},
                      {62, 10},
                      {63, 10},
                      {89, 10},
                      {0, 24},
                      {96, 48},
                      {97, 48}});
}

TEST(GdiCanvas, GradientsPolylinesClipsAndPicturesMatchTheBitmapCanvas) {
    PixelImage picture(3, 2, kRed);
    picture.At(2, 1) = kBlue;
    const auto draw = [&picture](Canvas& canvas) {
        canvas.VerticalGradient({0, 0, 100, 40}, Rgb(202, 255, 202), Rgb(255, 168, 168));
        const Point path[] = {{0, 50}, {50, 50}, {50, 79}};
        canvas.Polyline(path, {kBlue, 1});
        canvas.SetClip({60, 45, 80, 65});
        canvas.Rectangle({55, 40, 99, 79}, Pen::None(), {kRed});
        canvas.ResetClip();
        canvas.Picture({70, 66, 100, 80}, picture);
    };
    DibSurface surface(100, 80);
    Whiten(surface);
    {
        GdiCanvas canvas(surface.Dc());
        draw(canvas);
    }
    BitmapCanvas expected(100, 80, kPaper);
    draw(expected);
    ExpectSamePixels(surface, expected,
                     {{0, 0},
                      {50, 20},
                      {99, 39},
                      {25, 50},
                      {50, 60},
                      {50, 79},
                      {60, 45},
                      {59, 50},
                      {79, 64},
                      {80, 64},
                      {71, 67},
                      {99, 79},
                      {85, 79}});
}

TEST(GdiCanvas, ImagesLeaveTheirMaskColourTransparent) {
    DibSurface surface(20, 20);
    Whiten(surface);
    {
        GdiCanvas canvas(surface.Dc());
        canvas.Image({2, 2}, ImageSetId::Icons, icon::kBlueDot);
        canvas.Image({2, 2}, ImageSetId::Icons, 99);
    }
    const ImageSet& icons = GetImageSet(ImageSetId::Icons);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const Color source = icons.strip.At(x, icon::kBlueDot * 16 + y);
            ASSERT_EQ(surface.PixelAt(2 + x, 2 + y), source == kMaskColor ? kPaper : source)
                << x << "," << y;
        }
}

TEST(GdiCanvas, EveryImageSetIsConvertedOnceForTheWholeRun) {
    for (const ImageSetBuilder& row : kImageSetBuilders) {
        SCOPED_TRACE(row.fileName);
        const DibSurface* surface = ImageSetSurface(row.id);
        ASSERT_NE(surface, nullptr);
        EXPECT_EQ(ImageSetSurface(row.id), surface) << "converted again";
        EXPECT_EQ(surface->Pixels().pixels, GetImageSet(row.id).strip.pixels);
    }
    EXPECT_EQ(ImageSetSurface(static_cast<ImageSetId>(kImageSetCount)), nullptr);
}

TEST(GdiCanvas, TextIsDrawnInItsColourInsideItsMeasuredExtent) {
    DibSurface surface(120, 40);
    Whiten(surface);
    Font font;
    font.height = -12;
    font.style = kBold;
    font.color = kRed;
    TextExtent extent;
    {
        GdiCanvas canvas(surface.Dc());
        extent = canvas.MeasureText("Lunea 31", font);
        canvas.Text({10, 10}, "Lunea 31", font);
    }
    EXPECT_GT(extent.width, 30);
    EXPECT_GE(extent.height, 12);
    int red = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 120; ++x)
            if (surface.PixelAt(x, y) == kRed) {
                ASSERT_GE(x, 10);
                ASSERT_LT(x, 10 + extent.width);
                ++red;
            }
    EXPECT_GT(red, 20);
    EXPECT_EQ(surface.PixelAt(0, 0), kPaper) << "the text's background stays transparent";
}

// The reports write on white over their grid lines; every other text
// must keep what is under it.
TEST(GdiCanvas, TextOnBackgroundFillsItsExtentAndLeavesLaterTextTransparent) {
    DibSurface surface(120, 40);
    Whiten(surface);
    Font font;
    font.color = kRed;
    TextExtent extent;
    {
        GdiCanvas canvas(surface.Dc());
        canvas.Rectangle({0, 0, 120, 40}, Pen::None(), {kBlue});
        extent = canvas.MeasureText("Octomber", font);
        canvas.TextOnBackground({10, 2}, "Octomber", font, kPaper);
        canvas.Text({10, 22}, "Octomber", font);
    }
    EXPECT_EQ(surface.PixelAt(10, 2), kPaper);
    EXPECT_EQ(surface.PixelAt(10 + extent.width - 1, 2 + extent.height - 1), kPaper);
    EXPECT_EQ(surface.PixelAt(10 + extent.width, 2), kBlue);
    EXPECT_EQ(surface.PixelAt(10, 22), kBlue) << "plain text stays transparent";
}

} // namespace
} // namespace lunea
