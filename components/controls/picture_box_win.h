#pragma once
// A child window showing a picture of the program's own painting (the
// product picture); a click on it goes to the owner's handler.

#include "components/canvas/dib_surface_win.h"
#include "components/controls/window_base_win.h"

#include <functional>

namespace lunea {

class PictureBox final : public WindowBase {
  public:
    PictureBox(HWND parent, int id, Point at, const PixelImage& picture);

    void SetClick(std::function<void()> handler) { click_ = std::move(handler); }

  private:
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

    DibSurface picture_;
    std::function<void()> click_;
};

} // namespace lunea
