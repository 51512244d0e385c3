#pragma once
// The user list at start-up, from this PC's organiser and partnerships.
#include "users/user_list.h"

#include <string>

namespace lunea {

// programFolder: the folder of the program's executable, the local user's.
UserList DiscoverUsers(const std::string& programFolder);

} // namespace lunea
