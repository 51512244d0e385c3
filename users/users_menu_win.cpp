#include "users/users_menu_win.h"

#include "components/art/image_sets.h"

namespace lunea {

ImageRef UserImage(int user) {
    return {ImageSetId::Users, user == 0 ? user_image::kLocalUser : user_image::kHandheldUser};
}

UsersMenu::UsersMenu(const UserList& users) : userCount_(users.UserCount()) {
    for (int user = 0; user < userCount_; ++user)
        menu_.Add(users.names[static_cast<std::size_t>(user)], UserImage(user));
    if (userCount_ < 2)
        return;
    menu_.AddSeparator();
    menu_.Add("Transfer data...", ImageRef{ImageSetId::Users, user_image::kTransfer});
}

UsersMenuChoice UsersMenu::Track(HWND owner, int screenX, int screenY) const {
    const int index = menu_.Track(owner, screenX, screenY);
    if (index >= 0 && index < userCount_)
        return {UsersMenuChoice::User, index};
    if (index == userCount_ + 1)
        return {UsersMenuChoice::Transfer, -1};
    return {};
}

} // namespace lunea
