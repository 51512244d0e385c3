#include "components/canvas/image_set_surfaces_win.h"

#include "components/canvas/image_set.h"

#include <map>
#include <memory>

namespace lunea {

const DibSurface* ImageSetSurface(ImageSetId id) {
    // Only the UI thread paints, so the cache needs no lock.
    static std::map<ImageSetId, std::unique_ptr<DibSurface>> surfaces;
    const ImageSet& set = GetImageSet(id);
    if (set.count == 0)
        return nullptr;
    std::unique_ptr<DibSurface>& surface = surfaces[id];
    if (!surface || !surface->IsValid()) {
        surface = std::make_unique<DibSurface>(set.strip.width, set.strip.height);
        surface->SetPixels(set.strip);
    }
    return surface->IsValid() ? surface.get() : nullptr;
}

} // namespace lunea
