#include "components/menu_image_win.h"

#include "components/dib_surface_win.h"
#include "components/image_sets.h"
#include "components/menu_bitmap.h"

namespace lunea {

BitmapHandle MenuImage(ImageRef image) {
    const ImageSet& set = GetImageSet(image.set);
    return DibBitmap(set.width, set.height, MenuBitmapPixels(image));
}

} // namespace lunea
