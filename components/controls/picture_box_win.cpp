#include "components/controls/picture_box_win.h"

#include "components/canvas/gdi_handles_win.h"

namespace lunea {

PictureBox::PictureBox(HWND parent, int id, Point at, const PixelImage& picture)
    : picture_(picture.width, picture.height) {
    if (picture_.IsValid())
        picture_.SetPixels(picture);
    CreateWindowOf({"LuneaPicture"}, 0, "", WS_CHILD | WS_VISIBLE, at.x, at.y, picture.width,
                   picture.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
}

LRESULT PictureBox::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PaintDc paint(Window());
        if (paint.Get() && picture_.IsValid())
            BitBlt(paint.Get(), 0, 0, picture_.Width(), picture_.Height(), picture_.Dc(), 0, 0,
                   SRCCOPY);
        return 0;
    }
    case WM_LBUTTONDOWN:
        if (click_)
            click_();
        return 0;
    default:
        return WindowBase::HandleMessage(message, wparam, lparam);
    }
}

} // namespace lunea
