#include "components/canvas/dib_surface_win.h"

#include <cstring>

namespace lunea {
namespace {

std::uint32_t SwapRedAndBlue(std::uint32_t value) {
    return (value & 0x0000FF00u) | (value & 0xFFu) << 16 | (value >> 16 & 0xFFu);
}

} // namespace

BITMAPINFO TopDownDibInfo(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

std::uint32_t ToDibPixel(Color color) {
    return SwapRedAndBlue(color);
}

BitmapHandle DibBitmap(int width, int height, std::span<const std::uint32_t> pixels) {
    if (width <= 0 || height <= 0 ||
        pixels.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height))
        return {};
    const BITMAPINFO info = TopDownDibInfo(width, height);
    void* bits = nullptr;
    BitmapHandle bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || !bits)
        return {};
    std::memcpy(bits, pixels.data(), pixels.size_bytes());
    return bitmap;
}

DibSurface::DibSurface(int width, int height) : width_(width), height_(height), dc_(nullptr) {
    if (!dc_ || width <= 0 || height <= 0)
        return;
    const BITMAPINFO info = TopDownDibInfo(width, height);
    void* bits = nullptr;
    bitmap_.Reset(CreateDIBSection(dc_.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap_ || !bits)
        return;
    bits_ = static_cast<std::uint32_t*>(bits);
    selection_.emplace(dc_.Get(), bitmap_.Get());
}

Color DibSurface::PixelAt(int x, int y) const {
    GdiFlush();
    return SwapRedAndBlue(bits_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                                static_cast<std::size_t>(x)]) &
           0x00FFFFFFu;
}

PixelImage DibSurface::Pixels() const {
    PixelImage image(width_, height_, 0);
    if (!IsValid())
        return image;
    GdiFlush();
    for (std::size_t i = 0; i < image.pixels.size(); ++i)
        image.pixels[i] = SwapRedAndBlue(bits_[i]) & 0x00FFFFFFu;
    return image;
}

void DibSurface::SetPixels(const PixelImage& image) {
    if (!IsValid() || image.width != width_ || image.height != height_)
        return;
    GdiFlush();
    for (std::size_t i = 0; i < image.pixels.size(); ++i)
        bits_[i] = ToDibPixel(image.pixels[i]);
}

PixelImage CaptureClientArea(HWND window) {
    RECT client{};
    if (!GetClientRect(window, &client))
        return {};
    DibSurface surface(client.right, client.bottom);
    WindowDc screen(window);
    if (!surface.IsValid() || !screen ||
        !BitBlt(surface.Dc(), 0, 0, client.right, client.bottom, screen.Get(), 0, 0, SRCCOPY))
        return {};
    return surface.Pixels();
}

} // namespace lunea
