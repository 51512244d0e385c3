#include "users/user_list.h"

#include "common/desktop_contract.h"

namespace lunea {

int UserList::IndexOf(const std::string& displayName) const {
    for (int i = 0; i < UserCount(); ++i)
        if (names[i] == displayName)
            return i;
    return -1;
}

std::string UserList::DataFile(int user) const {
    return folders.at(user) + kDataFileName;
}

UserList LocalUserList(const std::string& programFolder) {
    std::string folder = programFolder;
    if (folder.empty() || folder.back() != '\\')
        folder += '\\';
    return {{kLocalUserName}, {folder}};
}

int ChooseStartUser(const UserList& users, const std::string& lastUser) {
    if (!lastUser.empty()) {
        // A last user who no longer exists selects the local user.
        const int index = users.IndexOf(lastUser);
        return index >= 0 ? index : 0;
    }
    return users.UserCount() == 1 ? 0 : -1;
}

} // namespace lunea
