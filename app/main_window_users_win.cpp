// The users of the main window: the list found at start-up, the start user,
// the users button with its menu, switching and transfer.
#include "app/main_window_win.h"
#include "common/program_folder_win.h"
#include "components/controls/control_painters.h"
#include "dialogs/welcome_dialog_win.h"
#include "settings/registry_key_win.h"
#include "users/transfer_dialog_win.h"
#include "users/user_discovery_win.h"

namespace lunea {

void TMainForm::GetUsersData() {
    users_ = DiscoverUsers(ProgramFolder());
    usersMenu_ = std::make_unique<UsersMenu>(users_);
}

void TMainForm::ChooseCurrentUser() {
    const int chosen = ChooseStartUser(users_, settings_.LastUser);
    CurrentUser = chosen >= 0 ? chosen : ChooseWelcomeUser(Window(), users_);
    ShowCurrentUser();
}

void TMainForm::ShowCurrentUser() {
    settings_.LastUser =
        users_.names[static_cast<std::size_t>(CurrentUser)].substr(0, Settings::LastUserCapacity);
    UsersButton->SetCaption(settings_.LastUser);
    UsersButton->SetImage(UserImage(CurrentUser));
}

void TMainForm::UsersButtonClick() {
    RECT frame{};
    GetWindowRect(Window(), &frame);
    const UsersMenuChoice choice = usersMenu_->Track(Window(), frame.left + 279, frame.top + 24);
    if (choice.kind == UsersMenuChoice::User)
        UsersPopupClick(choice.user);
    else if (choice.kind == UsersMenuChoice::Transfer)
        TransferClick();
}

void TMainForm::UsersPopupClick(int user) {
    if (user == CurrentUser || user < 0 || user >= users_.UserCount())
        return;
    // A journal that could not be read is not written over (the journal's
    // own rule), so nothing of it is lost by switching away; the edits of
    // this session went beside it, and the user hears where now.
    journal_.SaveData(CurrentUserFile());
    journal_.TellSaveProblems();
    CurrentUser = user;
    ShowCurrentUser();
    journal_.LoadData(CurrentUserFile());
    if (auto key = OpenSettingsKey())
        WriteLastUser(*key, settings_);
    RepaintView();
}

void TMainForm::TransferClick() {
    TransferJournal(Window(), journal_, users_, CurrentUser);
}

} // namespace lunea
