#pragma once
// Text standing on the skin (or any parent background); the mouse passes
// through it to what lies below.

#include "components/controls/control_painters.h"
#include "components/controls/skin_control_win.h"

namespace lunea {

class SkinLabel final : public SkinControl {
  public:
    SkinLabel(HWND parent, int id, const Rect& bounds, const std::string& text,
              HorizontalAlign align = HorizontalAlign::Left);
    void SetText(const std::string& text);

  private:
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
    void Paint(Canvas& canvas, const Rect& client) override;

    HorizontalAlign align_;
};

} // namespace lunea
