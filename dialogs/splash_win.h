#pragma once
// The splash shown while the program starts: the product picture and its
// version; it closes itself after about two seconds, or at once on a click
// on the picture.

#include "components/controls/modal_dialog_win.h"
#include "components/controls/picture_box_win.h"
#include "components/controls/skin_label_win.h"

#include <memory>

namespace lunea {

class Splash final : public ModalDialog {
  public:
    explicit Splash(HWND owner);
    // The close timer, disabled until the caller enables it.
    void EnableTimer() const;

  private:
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
    void CloseTimerTick();
    void PictureClick();

    int ticks_ = 0;
    std::unique_ptr<PictureBox> picture_;
    std::unique_ptr<SkinLabel> nameLabel_;
    std::unique_ptr<SkinLabel> versionLabel_;
};

// Creates the splash with its timer enabled, shows it and destroys it.
void ShowSplash(HWND owner);

} // namespace lunea
