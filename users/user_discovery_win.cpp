#include "users/user_discovery_win.h"

#include "users/user_discovery.h"
#include "users/user_sources_win.h"

namespace lunea {

UserList DiscoverUsers(const std::string& programFolder) {
    return BuildUserList(programFolder, AppDataFolder(), CurrentUserRegistry(), LoadUserLibrary);
}

} // namespace lunea
