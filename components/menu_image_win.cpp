#include "components/menu_image_win.h"

#include "components/dib_surface_win.h"
#include "components/image_sets.h"
#include "components/menu_bitmap.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace lunea {

BitmapHandle MenuImage(ImageRef image) {
    const std::vector<std::uint32_t> pixels = MenuBitmapPixels(image);
    const ImageSet& set = GetImageSet(image.set);
    if (pixels.empty())
        return {};
    const BITMAPINFO info = TopDownDibInfo(set.width, set.height);
    void* bits = nullptr;
    BitmapHandle bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits)
        return {};
    std::memcpy(bits, pixels.data(), pixels.size() * sizeof(pixels[0]));
    return bitmap;
}

} // namespace lunea
