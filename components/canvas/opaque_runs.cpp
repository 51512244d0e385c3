#include "components/canvas/opaque_runs.h"

namespace lunea {

std::vector<Rect> OpaqueRuns(const PixelImage& image, Color mask) {
    std::vector<Rect> runs;
    for (int y = 0; y < image.height; ++y) {
        int x = 0;
        while (x < image.width) {
            while (x < image.width && image.At(x, y) == mask)
                ++x;
            const int start = x;
            while (x < image.width && image.At(x, y) != mask)
                ++x;
            if (x > start)
                runs.push_back({start, y, x, y + 1});
        }
    }
    return runs;
}

} // namespace lunea
