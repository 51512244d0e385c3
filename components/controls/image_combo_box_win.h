#pragma once
// A drop-down list whose entries show a 16 x 16 image of the program's image
// sets before their text (the users lists of the welcome and transfer
// dialogs).

#include "components/controls/control_painters.h"
#include "components/controls/owner_drawn_win.h"

#include <string>
#include <vector>

namespace lunea {

class ImageComboBox final : public OwnerDrawn {
  public:
    ImageComboBox(HWND parent, int id, const Rect& bounds, HFONT font);
    ~ImageComboBox();
    ImageComboBox(const ImageComboBox&) = delete;
    ImageComboBox& operator=(const ImageComboBox&) = delete;

    HWND Window() const { return window_; }
    void Add(const std::string& text, ImageRef image);
    void Select(int index) const;
    // The selected entry, -1 when there is none.
    int Selected() const;
    std::string TextOf(int index) const;

    void DrawItem(const DRAWITEMSTRUCT& item) override;

  private:
    HWND window_ = nullptr;
    std::vector<ImageRef> images_;
};

} // namespace lunea
