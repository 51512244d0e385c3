#pragma once
// The "Transfer data" dialog: the user picks whose file the journal in
// memory is written over.

#include "components/controls/image_combo_box_win.h"
#include "components/controls/modal_dialog_win.h"
#include "users/transfer.h"

#include <memory>
#include <vector>

namespace lunea {

class TransferDialog final : public ModalDialog {
  public:
    TransferDialog(HWND owner, const TransferSource& source);

  private:
    void OkClick() override { TransferToSelectedUser(); }
    void TransferToSelectedUser();

    const TransferSource& source_;
    std::vector<int> targets_; // the user of each entry of the box
    std::unique_ptr<ImageComboBox> usersBox_;
};

void TransferJournal(HWND owner, const TransferSource& source);

} // namespace lunea
