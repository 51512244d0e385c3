#include "components/image_set_surfaces_win.h"

#include "components/artwork_builders.h"
#include "components/image_sets.h"

#include <array>
#include <memory>

namespace lunea {

const DibSurface* ImageSetSurface(ImageSetId id) {
    // Only the UI thread paints, so the cache needs no lock.
    static std::array<std::unique_ptr<DibSurface>, kImageSetCount> surfaces;
    const auto index = static_cast<std::size_t>(id);
    if (index >= surfaces.size())
        return nullptr;
    std::unique_ptr<DibSurface>& surface = surfaces[index];
    if (!surface || !surface->IsValid()) {
        const ImageSet& set = GetImageSet(id);
        surface = std::make_unique<DibSurface>(set.strip.width, set.strip.height);
        surface->SetPixels(set.strip);
    }
    return surface->IsValid() ? surface.get() : nullptr;
}

} // namespace lunea
