#pragma once
// The first start with several users: the user picks whose journal to work
// with (a handheld's, or the desktop's own "Lunea").

#include "components/controls/image_combo_box_win.h"
#include "components/controls/modal_dialog_win.h"
#include "components/controls/picture_box_win.h"
#include "users/user_list.h"

#include <memory>

namespace lunea {

class WelcomeDialog final : public ModalDialog {
  public:
    WelcomeDialog(HWND owner, const UserList& users);
    // The entry selected when the dialog closed, however it closed.
    int SelectedUser() const;

  private:
    void CancelClick() override { EndModal(DialogResult::Ok); }

    std::unique_ptr<PictureBox> picture_;
    std::unique_ptr<ImageComboBox> usersBox_;
};

// Shows the welcome dialog and returns the index of the user picked.
int ChooseWelcomeUser(HWND owner, const UserList& users);

} // namespace lunea
