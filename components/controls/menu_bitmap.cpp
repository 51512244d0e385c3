#include "components/controls/menu_bitmap.h"

#include "components/art/image_sets.h"

namespace lunea {

std::vector<std::uint32_t> MenuBitmapPixels(ImageRef image) {
    const ImageSet& set = GetImageSet(image.set);
    if (image.index < 0 || image.index >= set.count)
        return {};
    std::vector<std::uint32_t> pixels;
    pixels.reserve(static_cast<std::size_t>(set.width) * static_cast<std::size_t>(set.height));
    for (int y = 0; y < set.height; ++y)
        for (int x = 0; x < set.width; ++x) {
            const Color color = set.strip.At(x, image.index * set.height + y);
            pixels.push_back(color == kMaskColor ? 0u
                                                 : 0xFF000000u | BlueOf(color) |
                                                       GreenOf(color) << 8 | RedOf(color) << 16);
        }
    return pixels;
}

} // namespace lunea
