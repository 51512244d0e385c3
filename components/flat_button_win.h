#pragma once
// A flat button: only its caption and image until the mouse is over it.
// The title-bar buttons and the users button are flat buttons.

#include "components/skin_button_win.h"

#include <optional>

namespace lunea {

class FlatButton final : public SkinButton {
  public:
    FlatButton(HWND parent, int id, const Rect& bounds, const std::string& caption,
               std::optional<ImageRef> image = std::nullopt);
    void SetImage(std::optional<ImageRef> image);

  private:
    void Paint(Canvas& canvas, const Rect& client) override;

    std::optional<ImageRef> image_;
};

} // namespace lunea
