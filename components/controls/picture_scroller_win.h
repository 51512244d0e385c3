#pragma once
// A scroll box holding one picture in a child window of the picture's size:
// scroll bars in both directions appear when the picture is larger than the
// box, and the picture can be drawn anew at any size while the scroll
// position stays where it can.

#include "components/canvas/dib_surface_win.h"
#include "components/controls/window_base_win.h"

#include <memory>

namespace lunea {

class PictureScroller final : public WindowBase {
  public:
    PictureScroller(HWND parent, int id, int pictureId, const Rect& bounds);
    ~PictureScroller() override;

    // A white picture of that size to draw on, in place of the one shown;
    // null (and no picture) when the size is empty or GDI refused it.
    // PictureChanged shows it once it is drawn.
    DibSurface* NewPicture(int width, int height);
    void RemovePicture();
    const DibSurface* Picture() const;
    // Sizes the view and the scroll bars to the picture and repaints it.
    void PictureChanged();

  private:
    class View;

    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
    void UpdateScrollBars();
    void Scroll(int bar, int request);
    int PositionOf(int bar) const;
    void PlaceView() const;

    std::unique_ptr<View> view_;
};

} // namespace lunea
