#pragma once
// The "Transfer data" dialog: the user picks whose file the journal in
// memory is written over.

#include "components/controls/image_combo_box_win.h"
#include "components/controls/modal_dialog_win.h"
#include "journal/data_file.h"
#include "users/user_list.h"

#include <memory>
#include <vector>

namespace lunea {

class TransferDialog final : public ModalDialog {
  public:
    TransferDialog(HWND owner, Journal& journal, const UserList& users, int currentUser);

  private:
    void OkClick() override { TransferToSelectedUser(); }
    void TransferToSelectedUser();

    Journal& journal_;
    const UserList& users_;
    int currentUser_;
    std::vector<int> targets_; // the user of each entry of the box
    std::unique_ptr<ImageComboBox> usersBox_;
};

void TransferJournal(HWND owner, Journal& journal, const UserList& users, int currentUser);

} // namespace lunea
