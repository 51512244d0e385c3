// The users button with its menu: switching users and transfer.
#include "app/main_window_win.h"
#include "components/controls/control_painters.h"
#include "users/transfer_dialog_win.h"

namespace lunea {

void MainWindow::ShowCurrentUser() {
    usersButton_->SetCaption(session_.CurrentSettings().lastUser);
    usersButton_->SetImage(UserImage(session_.CurrentUser()));
}

void MainWindow::ShowUsersMenu() {
    RECT frame{};
    GetWindowRect(Window(), &frame);
    const UsersMenuChoice choice = usersMenu_->Track(Window(), frame.left + 279, frame.top + 24);
    if (choice.kind == UsersMenuChoice::User)
        SwitchUser(choice.user);
    else if (choice.kind == UsersMenuChoice::Transfer)
        Transfer();
}

void MainWindow::SwitchUser(int user) {
    if (!session_.SwitchUser(user))
        return;
    ShowCurrentUser();
    RepaintView();
}

void MainWindow::Transfer() {
    session_.Transfer([this](const TransferSource& source) { TransferJournal(Window(), source); });
}

} // namespace lunea
