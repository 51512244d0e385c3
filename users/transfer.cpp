#include "users/transfer.h"

namespace lunea {

std::vector<int> TransferTargets(const UserList& users, int currentUser) {
    std::vector<int> targets;
    for (int user = 0; user < users.UserCount(); ++user)
        if (user != currentUser)
            targets.push_back(user);
    return targets;
}

TransferOutcome TransferJournalTo(const TransferSource& source, int target) {
    const UserList& users = source.users;
    const std::string& name = users.names.at(static_cast<std::size_t>(target));
    const std::string failed = "Your data could not be transferred to " + name + ".\n\n";
    if (source.journal.IsUnread(users.DataFile(source.currentUser)))
        return {false, failed + "Your journal could not be read, so the data in memory is "
                                "incomplete. Nothing was written."};
    const std::string targetFile = users.DataFile(target);
    const BackupOutcome backup = BackUpJournal(source.files, targetFile, source.now);
    if (backup.result == BackupResult::Failed)
        return {false, failed + "No backup of " + targetFile +
                           " could be written, so nothing was written: " + backup.errorText};
    if (const auto failure = source.journal.WriteTableTo(targetFile))
        return {false, failed + *failure};
    return {true, "Your data was transfered to " + name};
}

} // namespace lunea
