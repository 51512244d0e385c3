#include "users/user_discovery_win.h"

#include "common/path_environment_win.h"
#include "users/user_discovery.h"
#include "users/user_sources_win.h"

namespace lunea {

UserList DiscoverUsers(const std::string& programFolder) {
    return BuildUserList(programFolder, CurrentPathEnvironment(), CurrentUserRegistry(),
                         LoadUserLibrary);
}

} // namespace lunea
