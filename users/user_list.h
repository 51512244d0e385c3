#pragma once
#include <string>
#include <vector>

namespace lunea {

// The journals the program knows: a display name and a data folder (ending
// in a backslash) per user. User 0 is the local user "Lunea", whose folder
// is the program's own.
struct UserList {
    std::vector<std::string> names;
    std::vector<std::string> folders;

    int UserCount() const { return static_cast<int>(names.size()); }
    // The index of the user with that display name, or -1.
    int IndexOf(const std::string& displayName) const;
    // The user's data file: the folder followed by "Lunea.dat".
    std::string DataFile(int user) const;
};

inline constexpr char kLocalUserName[] = "Lunea";
// The list's slots: the local user and nine device users.
inline constexpr int kMaxUserCount = 10;

// The list with the local user alone.
UserList LocalUserList(const std::string& programFolder);

// The user chosen at start-up: the one named lastUser (the local user when
// none is); with no last user, user 0 when it is the only one, otherwise -1
// (the user must pick).
int ChooseStartUser(const UserList& users, const std::string& lastUser);

} // namespace lunea
