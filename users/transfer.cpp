#include "users/transfer.h"

namespace lunea {

std::vector<int> TransferTargets(const UserList& users, int currentUser) {
    std::vector<int> targets;
    for (int user = 0; user < users.UserCount(); ++user)
        if (user != currentUser)
            targets.push_back(user);
    return targets;
}

TransferOutcome TransferJournalTo(Journal& journal, const UserList& users, int currentUser,
                                  int target) {
    const std::string& name = users.names.at(static_cast<std::size_t>(target));
    const std::string failed = "Your data could not be transferred to " + name + ".\n\n";
    if (journal.IsUnread(users.DataFile(currentUser)))
        return {false, failed + "Your journal could not be read, so the data in memory is "
                                "incomplete. Nothing was written."};
    if (const auto failure = journal.WriteTableTo(users.DataFile(target)))
        return {false, failed + *failure};
    return {true, "Your data was transfered to " + name};
}

} // namespace lunea
