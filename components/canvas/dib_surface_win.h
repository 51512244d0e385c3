#pragma once
// A 32-bit top-down DIB section selected into its own memory DC: GDI draws
// into it and its pixels can be read back directly.

#include "components/canvas/gdi_handles_win.h"
#include "components/canvas/pixel_image.h"

#include <cstdint>
#include <optional>
#include <span>

namespace lunea {

// The header of a 32-bit DIB whose rows run from the top.
BITMAPINFO TopDownDibInfo(int width, int height);
// A DIB stores blue in the low byte, a Color red.
std::uint32_t ToDibPixel(Color color);
// A 32-bit top-down DIB section holding these pixels (in DIB order, width x
// height of them), selected into no DC; empty when GDI refused it.
BitmapHandle DibBitmap(int width, int height, std::span<const std::uint32_t> pixels);

class DibSurface {
  public:
    DibSurface(int width, int height);
    DibSurface(const DibSurface&) = delete;
    DibSurface& operator=(const DibSurface&) = delete;

    bool IsValid() const { return bits_ != nullptr; }
    HDC Dc() const { return dc_.Get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }

    Color PixelAt(int x, int y) const;
    PixelImage Pixels() const;
    void SetPixels(const PixelImage& image);

  private:
    int width_;
    int height_;
    MemoryDc dc_;
    BitmapHandle bitmap_;
    std::uint32_t* bits_ = nullptr;
    std::optional<SelectedObject> selection_;
};

// What the window shows on the screen now, read from its client area.
PixelImage CaptureClientArea(HWND window);

} // namespace lunea
