#pragma once
// The password prompt: the program's start and the Preferences page go on
// only when the stored password is typed exactly.

#include "components/controls/edit_box_win.h"
#include "components/controls/modal_dialog_win.h"
#include "components/controls/skin_label_win.h"

#include <memory>
#include <string>

namespace lunea {

class PasswordPrompt final : public ModalDialog {
  public:
    PasswordPrompt(HWND owner, std::string password);

  private:
    void OkClick() override;

    std::string password_;
    std::unique_ptr<SkinLabel> promptLabel_;
    std::unique_ptr<EditBox> passwordEdit_;
};

// True when the user typed the password and pressed "Enter".
bool AskPassword(HWND owner, const std::string& password);

} // namespace lunea
