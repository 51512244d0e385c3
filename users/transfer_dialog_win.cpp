#include "users/transfer_dialog_win.h"

#include "components/controls/message_box_prompts_win.h"
#include "users/users_menu_win.h"

namespace lunea {
namespace {

constexpr int kUsersBoxId = 20;

} // namespace

TransferDialog::TransferDialog(HWND owner, Journal& journal, const UserList& users, int currentUser)
    : ModalDialog(owner, DialogFrame::Captioned, DialogPlace::ScreenCentre), journal_(journal),
      users_(users) {
    if (!CreateDialogWindow("Transfer data", 300, 128))
        return;
    AddControl("STATIC", 11, {12, 12, 288, 28}, "Select a user to transfer your data to",
               SS_LEFT | SS_NOPREFIX);
    usersBox_ = std::make_unique<ImageComboBox>(Window(), kUsersBoxId, Rect{12, 34, 288, 234},
                                                DialogFont());
    for (int user = 0; user < users.UserCount(); ++user)
        if (user != currentUser)
            usersBox_->Add(users.names[static_cast<std::size_t>(user)], UserImage(user));
    usersBox_->Select(0);
    AddControl("STATIC", 12, {12, 64, 288, 80}, "Your data will overwrite selected user data!",
               SS_LEFT | SS_NOPREFIX);
    AddButton(IDOK, {132, 94, 207, 118}, "Transfer", true);
    AddButton(IDCANCEL, {213, 94, 288, 118}, "Cancel");
}

void TransferDialog::TransferToSelectedUser() {
    const int selected = usersBox_ ? usersBox_->Selected() : -1;
    if (selected < 0)
        return;
    // Two users of one name: the first of them in the list gets the data.
    const std::string name = usersBox_->TextOf(selected);
    const int target = users_.IndexOf(name);
    if (target < 0)
        return;
    if (const auto failure = journal_.WriteTableTo(users_.DataFile(target))) {
        const std::string text =
            "Your data could not be transferred to " + name + ".\n\n" + *failure;
        MessageBoxPrompts(Window()).ReportError(text);
        return;
    }
    const std::string done = "Your data was transfered to " + name;
    MessageBoxPrompts(Window()).Inform(done);
    EndModal(DialogResult::Ok);
}

void TransferJournal(HWND owner, Journal& journal, const UserList& users, int currentUser) {
    TransferDialog transfer(owner, journal, users, currentUser);
    transfer.ShowModal();
}

} // namespace lunea
