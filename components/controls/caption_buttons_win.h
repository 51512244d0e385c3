#pragma once
// Skinned buttons with a caption and an optional image: raised push buttons,
// and flat buttons that show a face only under the mouse (the title-bar
// buttons and the users button).

#include "components/controls/skin_button_win.h"
#include "components/controls/control_classes.h"

#include <optional>

namespace lunea {

class CaptionButton : public SkinButton {
  public:
    void SetImage(std::optional<ImageRef> image);
    // The image over the caption instead of beside it.
    void SetImageAbove(bool above);

  protected:
    explicit CaptionButton(std::optional<ImageRef> image,
                           ClickBehaviour behaviour = ClickBehaviour::Push)
        : SkinButton(behaviour), image_(image) {}
    ButtonContent Content() const { return {Text(), image_, GetFont(), imageAbove_}; }

  private:
    std::optional<ImageRef> image_;
    bool imageAbove_ = false;
};

// With radio behaviour it stays down, one of its group at a time (the
// temperature format and cycle length choices).
class PushButton final : public CaptionButton {
  public:
    PushButton(HWND parent, int id, const Rect& bounds, const std::string& caption,
               std::optional<ImageRef> image = std::nullopt,
               ClickBehaviour behaviour = ClickBehaviour::Push)
        : CaptionButton(image, behaviour) {
        // Created here, not in a base: the window's first messages already
        // reach this class's Paint.
        Create(control_class::kPushButton, parent, id, bounds, caption);
    }

  private:
    void Paint(Canvas& canvas, const Rect& client) override;
};

class FlatButton final : public CaptionButton {
  public:
    FlatButton(HWND parent, int id, const Rect& bounds, const std::string& caption,
               std::optional<ImageRef> image = std::nullopt)
        : CaptionButton(image) {
        Create(control_class::kFlatButton, parent, id, bounds, caption);
    }

  private:
    void Paint(Canvas& canvas, const Rect& client) override;
};

} // namespace lunea
