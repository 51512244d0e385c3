#pragma once
// A container child window without a look of its own: the controls it holds
// stand on its parent's background, show and hide with it as one, and their
// commands reach the handlers registered on it (OnClick, OnCommand).

#include "components/controls/skin_control_win.h"

#include <optional>

namespace lunea {

class Panel final : public SkinControl {
  public:
    Panel(HWND parent, int id, const Rect& bounds);

    void Show(bool visible) const;
    // A ground of its own instead of the parent's (a page control's sheet:
    // the system control does not paint its background for others).
    void SetBackground(Color color);

  private:
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
    void Paint(Canvas&, const Rect&) override {}
    void FillBackground(HDC dc) const;

    std::optional<Color> background_;
};

} // namespace lunea
