#pragma once
// Builders of the image sets, one per set; GetImageSet calls each once.

#include "components/image_sets.h"

#include <vector>

namespace lunea {

// Stacks equally sized pictures into one set.
ImageSet StackImages(const std::vector<PixelImage>& images);

ImageSet BuildIconSet();
ImageSet BuildStatusSet();
ImageSet BuildBellSet();
ImageSet BuildGlyphSet();
ImageSet BuildPageButtonSet();
ImageSet BuildTempScaleSet();
ImageSet BuildTempDigitSet();

} // namespace lunea
