#pragma once
// A container child window without a look of its own: the controls it holds
// stand on its parent's background, show and hide with it as one, and their
// commands reach the handlers registered on it (OnClick, OnCommand).

#include "components/skin_control_win.h"

namespace lunea {

class Panel final : public SkinControl {
  public:
    Panel(HWND parent, int id, const Rect& bounds);

    void Show(bool visible) const;

  private:
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
    void Paint(Canvas&, const Rect&) override {}
};

} // namespace lunea
