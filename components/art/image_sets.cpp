#include "components/art/image_sets.h"

#include "components/art/artwork_builders.h"

#include <algorithm>
#include <array>

namespace lunea {

ImageSet StackImages(const std::vector<PixelImage>& images) {
    ImageSet set;
    if (images.empty())
        return set;
    set.width = images.front().width;
    set.height = images.front().height;
    set.count = static_cast<int>(images.size());
    set.strip = PixelImage(set.width, set.height * set.count, kMaskColor);
    for (int i = 0; i < set.count; ++i) {
        const PixelImage& image = images[static_cast<std::size_t>(i)];
        for (int y = 0; y < std::min(image.height, set.height); ++y)
            for (int x = 0; x < std::min(image.width, set.width); ++x)
                set.strip.At(x, i * set.height + y) = image.At(x, y);
    }
    return set;
}

const ImageSet& GetImageSet(ImageSetId id) {
    static const std::array<ImageSet, kImageSetCount> sets = [] {
        std::array<ImageSet, kImageSetCount> built;
        for (std::size_t i = 0; i < built.size(); ++i)
            built[i] = kImageSetBuilders[i].build();
        return built;
    }();
    static const ImageSet none;
    const auto index = static_cast<std::size_t>(id);
    return index < sets.size() ? sets[index] : none;
}

} // namespace lunea
