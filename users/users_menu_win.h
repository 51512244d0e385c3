#pragma once
// The users menu under the users button: one item per user at the position
// of the user's index, then, with two users or more, a separator and
// "Transfer data...".

#include "components/controls/popup_menu_win.h"
#include "users/user_list.h"

namespace lunea {

struct UsersMenuChoice {
    enum Kind { None, User, Transfer } kind = None;
    int user = -1;
};

class UsersMenu {
  public:
    explicit UsersMenu(const UserList& users);
    UsersMenuChoice Track(HWND owner, int screenX, int screenY) const;

  private:
    PopupMenu menu_;
    int userCount_;
};

// The users image of a user: the local user's or a handheld owner's.
ImageRef UserImage(int user);

} // namespace lunea
