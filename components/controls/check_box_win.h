#pragma once
// A skinned check box with its caption to the right.

#include "components/controls/skin_button_win.h"

namespace lunea {

class CheckBox final : public SkinButton {
  public:
    CheckBox(HWND parent, int id, const Rect& bounds, const std::string& caption);

  private:
    void Paint(Canvas& canvas, const Rect& client) override;
};

} // namespace lunea
