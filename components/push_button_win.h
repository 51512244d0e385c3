#pragma once
// A raised skinned push button with a caption and an optional image.

#include "components/skin_button_win.h"

#include <optional>

namespace lunea {

class PushButton final : public SkinButton {
  public:
    PushButton(HWND parent, int id, const Rect& bounds, const std::string& caption,
               std::optional<ImageRef> image = std::nullopt);
    void SetImage(std::optional<ImageRef> image);

  private:
    void Paint(Canvas& canvas, const Rect& client) override;

    std::optional<ImageRef> image_;
};

} // namespace lunea
