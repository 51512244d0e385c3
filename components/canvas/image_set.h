#pragma once
// An image set: equally sized images stacked top to bottom in one picture
// (image i starts at row i * height), with a mask colour that stays
// transparent when an image is drawn.

#include "components/canvas/canvas.h"
#include "components/canvas/pixel_image.h"

namespace lunea {

// Fuchsia, the transparent colour of every picture of the program.
constexpr Color kMaskColor = Rgb(255, 0, 255);

struct ImageSet {
    int width = 0;
    int height = 0;
    int count = 0;
    PixelImage strip; // width x (height * count)
};

// Built on first use and kept for the rest of the run; an id without a
// builder (components/art/artwork_builders.h) has an empty set.
const ImageSet& GetImageSet(ImageSetId id);

} // namespace lunea
