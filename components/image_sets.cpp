#include "components/image_sets.h"

#include "components/artwork_builders.h"

#include <algorithm>

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
    static const ImageSet icons = BuildIconSet();
    static const ImageSet status = BuildStatusSet();
    static const ImageSet bells = BuildBellSet();
    static const ImageSet glyphs = BuildGlyphSet();
    static const ImageSet pageButtons = BuildPageButtonSet();
    static const ImageSet tempScale = BuildTempScaleSet();
    static const ImageSet tempDigits = BuildTempDigitSet();
    static const ImageSet iconKinds = BuildIconKindSet();
    static const ImageSet users = BuildUserSet();
    switch (id) {
    case ImageSetId::Icons:
        return icons;
    case ImageSetId::Status:
        return status;
    case ImageSetId::Bells:
        return bells;
    case ImageSetId::Glyphs:
        return glyphs;
    case ImageSetId::PageButtons:
        return pageButtons;
    case ImageSetId::TempScale:
        return tempScale;
    case ImageSetId::TempDigits:
        return tempDigits;
    case ImageSetId::IconKinds:
        return iconKinds;
    case ImageSetId::Users:
        return users;
    }
    return icons;
}

} // namespace lunea
