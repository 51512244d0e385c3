#pragma once
// A 32-bit picture in memory, row by row from the top, pixels as 0x00BBGGRR.

#include "components/canvas/canvas.h"

#include <vector>

namespace lunea {

struct PixelImage {
    int width = 0;
    int height = 0;
    std::vector<Color> pixels;

    PixelImage() = default;
    PixelImage(int width, int height, Color fill)
        : width(width), height(height),
          pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {}

    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    Color At(int x, int y) const { return pixels[Index(x, y)]; }
    Color& At(int x, int y) { return pixels[Index(x, y)]; }

  private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
               static_cast<std::size_t>(x);
    }
};

} // namespace lunea
