#pragma once
// A 32 x 32 picture button of the page column. A page button stays down
// (radio behaviour within its group); a command button does not.

#include "components/controls/skin_button_win.h"

namespace lunea {

enum class PageButtonKind { Page, Command };

class PageButton final : public SkinButton {
  public:
    PageButton(HWND parent, int id, const Rect& bounds, ImageRef image, PageButtonKind kind);

  private:
    void Paint(Canvas& canvas, const Rect& client) override;

    ImageRef image_;
};

} // namespace lunea
