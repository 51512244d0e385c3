#pragma once
// The user list built from the organiser's users and the partnerships.
#include "users/user_list.h"
#include "users/user_sources.h"

#include <string>

namespace lunea {

// The buffer the organiser's library writes a name or a directory into.
inline constexpr std::uint16_t kLibraryTextBufferSize = 256;

// The local user first (folder: programFolder), then the organiser's users in
// the library's order, then the partners in the registry's order; at most
// kMaxUserCount users. appDataFolder: the current user's application-data
// folder, for partner folders given relative to it.
UserList BuildUserList(const std::string& programFolder, const std::string& appDataFolder,
                       const UserRegistry& registry, const UserLibraryLoader& loadLibrary);

} // namespace lunea
