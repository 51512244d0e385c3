#include "tests/wine/screen_capture.h"

#include "components/canvas/bmp_file.h"
#include "tests/wine/program_harness.h"

namespace lunea::test {

PixelImage CaptureScreenRect(const RECT& rect) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    PixelImage image(width, height, 0);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.At(x, y) = GetPixel(memory, x, y);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return image;
}

bool SaveWindowLook(HWND window, const std::string& fileName) {
    RECT frame{};
    return GetWindowRect(window, &frame) &&
           SaveBmp(BinaryFolder() + fileName, CaptureScreenRect(frame));
}

} // namespace lunea::test
