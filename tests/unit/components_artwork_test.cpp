#include "components/canvas/bmp_file.h"
#include "components/art/desktop_skin.h"
#include "components/art/image_sets.h"
#include "components/canvas/opaque_runs.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace lunea {
namespace {

PixelImage ImageOf(ImageSetId id, int index) {
    const ImageSet& set = GetImageSet(id);
    PixelImage image(set.width, set.height, 0);
    for (int y = 0; y < set.height; ++y)
        for (int x = 0; x < set.width; ++x)
            image.At(x, y) = set.strip.At(x, index * set.height + y);
    return image;
}

int OpaquePixels(const PixelImage& image) {
    int count = 0;
    for (Color pixel : image.pixels)
        count += pixel != kMaskColor;
    return count;
}

bool HasPixel(const PixelImage& image, bool (*test)(Color)) {
    for (Color pixel : image.pixels)
        if (pixel != kMaskColor && test(pixel))
            return true;
    return false;
}

bool Reddish(Color c) {
    return RedOf(c) > 180 && GreenOf(c) < 80 && BlueOf(c) < 80;
}
bool Bluish(Color c) {
    return BlueOf(c) > 180 && RedOf(c) < 80;
}
bool Yellowish(Color c) {
    return RedOf(c) > 200 && GreenOf(c) > 180 && BlueOf(c) < 100;
}
bool Saturated(Color c) {
    const unsigned high = std::max({RedOf(c), GreenOf(c), BlueOf(c)});
    const unsigned low = std::min({RedOf(c), GreenOf(c), BlueOf(c)});
    return high - low > 40;
}

TEST(ImageSets, HaveTheCountsAndSizesTheScreensExpect) {
    const struct {
        ImageSetId id;
        int count, width, height;
    } expected[] = {{ImageSetId::Icons, 9, 16, 16},       {ImageSetId::Status, 7, 16, 16},
                    {ImageSetId::Bells, 2, 16, 16},       {ImageSetId::Glyphs, 6, 12, 12},
                    {ImageSetId::PageButtons, 4, 32, 32}, {ImageSetId::TempScale, 1, 122, 8},
                    {ImageSetId::TempDigits, 2, 140, 8},  {ImageSetId::IconKinds, 11, 16, 16},
                    {ImageSetId::Users, 3, 16, 16},       {ImageSetId::ReportMarks, 2, 16, 16},
                    {ImageSetId::ToolBar, 4, 16, 16}};
    for (const auto& e : expected) {
        const ImageSet& set = GetImageSet(e.id);
        SCOPED_TRACE(static_cast<int>(e.id));
        EXPECT_EQ(set.count, e.count);
        EXPECT_EQ(set.width, e.width);
        EXPECT_EQ(set.height, e.height);
        EXPECT_EQ(set.strip.width, e.width);
        EXPECT_EQ(set.strip.height, e.height * e.count);
    }
}

TEST(ImageSets, EveryPictureIsDistinctAndTransparentAroundItsEdges) {
    for (ImageSetId id : {ImageSetId::Icons, ImageSetId::Status, ImageSetId::Bells,
                          ImageSetId::Glyphs, ImageSetId::PageButtons, ImageSetId::Users,
                          ImageSetId::ReportMarks, ImageSetId::ToolBar}) {
        std::set<std::vector<Color>> seen;
        for (int i = 0; i < GetImageSet(id).count; ++i) {
            const PixelImage image = ImageOf(id, i);
            SCOPED_TRACE(testing::Message() << static_cast<int>(id) << " image " << i);
            EXPECT_TRUE(seen.insert(image.pixels).second) << "same as an earlier image";
            EXPECT_EQ(image.At(0, 0), kMaskColor);
            EXPECT_EQ(image.At(image.width - 1, image.height - 1), kMaskColor);
            if (!(id == ImageSetId::Status && i == 0)) {
                EXPECT_GT(OpaquePixels(image), image.width * image.height / 12);
            }
        }
    }
    EXPECT_EQ(OpaquePixels(ImageOf(ImageSetId::Status, 0)), 0) << "status 0 is empty";
}

TEST(ImageSets, PicturesHaveTheColoursTheirMeaningNeeds) {
    EXPECT_TRUE(HasPixel(ImageOf(ImageSetId::Icons, icon::kRedDot), Reddish));
    EXPECT_FALSE(HasPixel(ImageOf(ImageSetId::Icons, icon::kRedDot), Bluish));
    EXPECT_TRUE(HasPixel(ImageOf(ImageSetId::Icons, icon::kBlueDot), Bluish));
    EXPECT_TRUE(HasPixel(ImageOf(ImageSetId::Icons, icon::kRedSpiral), Reddish));
    EXPECT_TRUE(HasPixel(ImageOf(ImageSetId::Icons, icon::kHeart), Reddish));
    EXPECT_TRUE(HasPixel(ImageOf(ImageSetId::Icons, icon::kSmilingFace), Yellowish));
    EXPECT_TRUE(HasPixel(ImageOf(ImageSetId::Bells, bell::kYellow), Yellowish));
    EXPECT_FALSE(HasPixel(ImageOf(ImageSetId::Bells, bell::kGrey), Saturated));
    EXPECT_TRUE(HasPixel(ImageOf(ImageSetId::Status, 4), Reddish));
    EXPECT_TRUE(HasPixel(ImageOf(ImageSetId::Status, 5), Yellowish));
    EXPECT_FALSE(HasPixel(ImageOf(ImageSetId::Status, 6), Reddish)) << "the clear drop";
    EXPECT_TRUE(
        HasPixel(ImageOf(ImageSetId::ReportMarks, report_mark::kCalendarMethod), Yellowish));
    EXPECT_TRUE(HasPixel(ImageOf(ImageSetId::ToolBar, tool_bar::kClose), Reddish));
    EXPECT_TRUE(HasPixel(ImageOf(ImageSetId::ToolBar, tool_bar::kSaveAsBitmap), Bluish));
}

// A day with both marks gets both dots in one slot, the red over the blue.
TEST(ImageSets, TheBoyAndGirlDotsShareNoPixelSoBothShowInOneSlot) {
    const PixelImage blue = ImageOf(ImageSetId::Icons, icon::kBlueDot);
    const PixelImage red = ImageOf(ImageSetId::Icons, icon::kRedDot);
    for (std::size_t i = 0; i < blue.pixels.size(); ++i)
        ASSERT_FALSE(blue.pixels[i] != kMaskColor && red.pixels[i] != kMaskColor) << i;
}

TEST(ImageSets, EachIconKindShowsThePictureTheCalendarDrawsForIt) {
    const struct {
        int kind;
        ImageSetId set;
        int index;
    } same[] = {
        {1, ImageSetId::Icons, icon::kRedSpiral},   {2, ImageSetId::Status, 2},
        {3, ImageSetId::Bells, bell::kYellow},      {4, ImageSetId::Icons, icon::kThermometer},
        {5, ImageSetId::Icons, icon::kSmilingFace}, {6, ImageSetId::Icons, icon::kHeart},
        {7, ImageSetId::Icons, icon::kPen},         {8, ImageSetId::Icons, icon::kLightning},
        {9, ImageSetId::Icons, icon::kFace}};
    for (const auto& s : same)
        EXPECT_EQ(ImageOf(ImageSetId::IconKinds, s.kind).pixels, ImageOf(s.set, s.index).pixels)
            << "kind " << s.kind;
    EXPECT_EQ(OpaquePixels(ImageOf(ImageSetId::IconKinds, 0)), 0) << "kind 0 draws nothing";
    const PixelImage dots = ImageOf(ImageSetId::IconKinds, 10);
    EXPECT_EQ(OpaquePixels(dots), OpaquePixels(ImageOf(ImageSetId::Icons, icon::kBlueDot)) +
                                      OpaquePixels(ImageOf(ImageSetId::Icons, icon::kRedDot)));
}

TEST(ImageSets, TheThreeMenstruationDropsGrow) {
    const int slight = OpaquePixels(ImageOf(ImageSetId::Status, 1));
    const int normal = OpaquePixels(ImageOf(ImageSetId::Status, 2));
    const int heavy = OpaquePixels(ImageOf(ImageSetId::Status, 3));
    EXPECT_LT(slight, normal);
    EXPECT_LT(normal, heavy);
    for (int status = 1; status <= 3; ++status)
        EXPECT_TRUE(HasPixel(ImageOf(ImageSetId::Status, status), Reddish));
}

TEST(ImageSets, TheScaleHasATickUnderEachOfItsFortyOnePositions) {
    const PixelImage scale = ImageOf(ImageSetId::TempScale, 0);
    for (int position = 0; position <= 40; ++position) {
        EXPECT_NE(scale.At(3 * position + 1, 2), kMaskColor) << position;
        if (position < 40) {
            EXPECT_EQ(scale.At(3 * position + 2, 2), kMaskColor) << position;
        }
        EXPECT_EQ(scale.At(3 * position + 1, 7) != kMaskColor, position % 10 == 0) << position;
    }
}

TEST(DesktopSkin, IsTheSizeOfTheFrameWithMaskedCornersAndAnOpaqueInside) {
    const PixelImage skin = PaintDesktopSkin();
    ASSERT_EQ(skin.width, kSkinWidth);
    ASSERT_EQ(skin.height, kSkinHeight);
    for (Point corner : {Point{0, 0}, Point{599, 0}, Point{0, 360}, Point{599, 360}})
        EXPECT_EQ(skin.At(corner.x, corner.y), kMaskColor);
    for (Point inside : {Point{300, 0}, Point{0, 180}, Point{300, 360}, Point{97, 32},
                         Point{444, 350}, Point{300, 13}})
        EXPECT_NE(skin.At(inside.x, inside.y), kMaskColor);
    for (int y = 30; y < 331; ++y)
        for (int x = 10; x < 590; ++x)
            ASSERT_NE(skin.At(x, y), kMaskColor) << x << "," << y;
}

TEST(OpaqueRuns, CoverExactlyThePixelsOutsideTheMask) {
    PixelImage image(6, 3, kMaskColor);
    image.At(1, 0) = image.At(2, 0) = image.At(4, 0) = 0;
    image.At(0, 2) = image.At(5, 2) = 0;
    const std::vector<Rect> runs = OpaqueRuns(image, kMaskColor);
    const std::vector<Rect> expected = {{1, 0, 3, 1}, {4, 0, 5, 1}, {0, 2, 1, 3}, {5, 2, 6, 3}};
    EXPECT_EQ(runs, expected);

    const PixelImage skin = PaintDesktopSkin();
    int covered = 0;
    for (const Rect& run : OpaqueRuns(skin, kMaskColor))
        covered += run.Width();
    int opaque = 0;
    for (Color pixel : skin.pixels)
        opaque += pixel != kMaskColor;
    EXPECT_EQ(covered, opaque);
}

TEST(BmpFile, WritesBottomUpRowsOfBlueGreenRedPaddedToFourBytes) {
    PixelImage image(3, 2, 0);
    image.At(0, 0) = Rgb(1, 2, 3);
    image.At(2, 1) = Rgb(7, 8, 9);
    const std::vector<std::uint8_t> bytes = EncodeBmp(image);
    ASSERT_EQ(bytes.size(), 54u + 2 * 12);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[2], 54 + 24);
    EXPECT_EQ(bytes[10], 54);
    EXPECT_EQ(bytes[18], 3);
    EXPECT_EQ(bytes[22], 2);
    EXPECT_EQ(bytes[28], 24);
    // First stored row is the bottom one: its third pixel.
    EXPECT_EQ(bytes[54 + 6], 9);
    EXPECT_EQ(bytes[54 + 7], 8);
    EXPECT_EQ(bytes[54 + 8], 7);
    EXPECT_EQ(bytes[54 + 12], 3);
    EXPECT_EQ(bytes[54 + 14], 1);
}

} // namespace
} // namespace lunea
