#pragma once
// The user list built from the organiser's users and the partnerships.
#include "common/data_folder.h"
#include "users/user_list.h"
#include "users/user_sources.h"

#include <string>

namespace lunea {

// The buffer the organiser's library writes a name or a directory into.
inline constexpr std::uint16_t kLibraryTextBufferSize = 256;

// The local user first (folder: programFolder), then the organiser's users in
// the library's order, then the partners in the registry's order; at most
// kMaxUserCount users. A partner whose data folder cannot be read is left
// out.
UserList BuildUserList(const std::string& programFolder, const PathEnvironment& environment,
                       const UserRegistry& registry, const UserLibraryLoader& loadLibrary);

} // namespace lunea
