#include "components/controls/menu_image_win.h"

#include "components/canvas/dib_surface_win.h"
#include "components/art/image_sets.h"
#include "components/controls/menu_bitmap.h"

namespace lunea {

BitmapHandle MenuImage(ImageRef image) {
    const ImageSet& set = GetImageSet(image.set);
    return DibBitmap(set.width, set.height, MenuBitmapPixels(image));
}

} // namespace lunea
