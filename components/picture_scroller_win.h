#pragma once
// A scroll box holding one picture in a child window of the picture's size:
// scroll bars in both directions appear when the picture is larger than the
// box, and the picture can be drawn anew at any size while the scroll
// position stays where it can.

#include "components/dib_surface_win.h"
#include "components/window_base_win.h"

#include <memory>

namespace lunea {

class PictureScroller final : public WindowBase {
  public:
    PictureScroller(HWND parent, int id, int pictureId, const Rect& bounds);
    ~PictureScroller() override;

    // A white picture of that size to draw on, shown from the next paint;
    // null (and no picture) when the size is empty or GDI refused it.
    DibSurface* NewPicture(int width, int height);
    void RemovePicture();
    const DibSurface* Picture() const;
    // Shows what was drawn on the picture since NewPicture.
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
