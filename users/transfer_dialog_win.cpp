#include "users/transfer_dialog_win.h"

#include "components/controls/message_box_prompts_win.h"
#include "users/users_menu_win.h"

namespace lunea {
namespace {

constexpr int kUsersBoxId = 20;

} // namespace

TransferDialog::TransferDialog(HWND owner, const TransferSource& source)
    : ModalDialog(owner, DialogFrame::Captioned, DialogPlace::ScreenCentre), source_(source),
      targets_(TransferTargets(source.users, source.currentUser)) {
    if (!CreateDialogWindow("Transfer data", 300, 128))
        return;
    AddControl("STATIC", 11, {12, 12, 288, 28}, "Select a user to transfer your data to",
               SS_LEFT | SS_NOPREFIX);
    usersBox_ = std::make_unique<ImageComboBox>(Window(), kUsersBoxId, Rect{12, 34, 288, 234},
                                                DialogFont());
    for (const int user : targets_)
        usersBox_->Add(source.users.names[static_cast<std::size_t>(user)], UserImage(user));
    usersBox_->Select(0);
    AddControl("STATIC", 12, {12, 64, 288, 80}, "Your data will overwrite selected user data!",
               SS_LEFT | SS_NOPREFIX);
    AddButton(IDOK, {132, 94, 207, 118}, "Transfer", true);
    AddButton(IDCANCEL, {213, 94, 288, 118}, "Cancel");
}

void TransferDialog::TransferToSelectedUser() {
    const int selected = usersBox_ ? usersBox_->Selected() : -1;
    if (selected < 0 || selected >= static_cast<int>(targets_.size()))
        return;
    const TransferOutcome outcome =
        TransferJournalTo(source_, targets_[static_cast<std::size_t>(selected)]);
    if (!outcome.transferred) {
        MessageBoxPrompts(Window()).ReportError(outcome.text);
        return;
    }
    MessageBoxPrompts(Window()).Inform(outcome.text);
    EndModal(DialogResult::Ok);
}

void TransferJournal(HWND owner, const TransferSource& source) {
    TransferDialog transfer(owner, source);
    transfer.ShowModal();
}

} // namespace lunea
