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
// The icon kinds 0..10 in the order of the kind menu: blank, spiral, drop,
// bell, thermometer, smiling face, heart, pen, lightning, face, both dots.
ImageSet BuildIconKindSet();
ImageSet BuildUserSet();

} // namespace lunea
