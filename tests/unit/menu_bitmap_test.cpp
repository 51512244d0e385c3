// Menu images are drawn through their alpha channel on Windows: a picture
// whose alpha is 0 everywhere would not show at all.
#include "components/art/image_sets.h"
#include "components/controls/menu_bitmap.h"

#include <gtest/gtest.h>

namespace lunea {
namespace {

TEST(MenuBitmap, DrawnPixelsAreOpaqueAndMaskedOnesTransparentBlack) {
    for (const ImageRef image : {ImageRef{ImageSetId::Status, 3}, ImageRef{ImageSetId::Users, 2},
                                 ImageRef{ImageSetId::IconKinds, 10}}) {
        const ImageSet& set = GetImageSet(image.set);
        const auto pixels = MenuBitmapPixels(image);
        ASSERT_EQ(pixels.size(), static_cast<std::size_t>(set.width * set.height));
        int opaque = 0;
        for (int y = 0; y < set.height; ++y)
            for (int x = 0; x < set.width; ++x) {
                const Color source = set.strip.At(x, image.index * set.height + y);
                const std::uint32_t pixel = pixels[static_cast<std::size_t>(y * set.width + x)];
                if (source == kMaskColor) {
                    EXPECT_EQ(pixel, 0u);
                    continue;
                }
                ++opaque;
                EXPECT_EQ(pixel >> 24, 0xFFu);
                EXPECT_EQ(pixel & 0xFF, BlueOf(source)) << "blue in the low byte";
                EXPECT_EQ(pixel >> 16 & 0xFF, RedOf(source));
            }
        EXPECT_GT(opaque, 0);
    }
    EXPECT_TRUE(MenuBitmapPixels({ImageSetId::Status, 99}).empty());
}

} // namespace
} // namespace lunea
