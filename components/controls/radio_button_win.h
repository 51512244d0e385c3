#pragma once
// A skinned radio button; without a caption (the status buttons) only its
// circle, centred. Radio buttons of one parent and group uncheck each other.

#include "components/controls/skin_button_win.h"

namespace lunea {

class RadioButton final : public SkinButton {
  public:
    RadioButton(HWND parent, int id, const Rect& bounds, const std::string& caption, int group);

  private:
    void Paint(Canvas& canvas, const Rect& client) override;
};

} // namespace lunea
