#pragma once
// "Transfer data": the journal in memory written over another user's file.
// The current user and her file stay as they are.

#include "journal/backups.h"
#include "journal/data_file.h"
#include "users/user_list.h"

#include <string>
#include <vector>

namespace lunea {

// The users the transfer offers, in the list's order: all but the current
// one. An entry's position in the dialog names its user, so two users of
// one name stay apart.
std::vector<int> TransferTargets(const UserList& users, int currentUser);

struct TransferOutcome {
    bool transferred = false;
    std::string text; // to inform of, or the error to report
};

// What a transfer writes, and the time its copy of the target's file is
// named by.
struct TransferSource {
    Journal& journal;
    FileSystem& files;
    const UserList& users;
    int currentUser = 0;
    BackupTime now;
};

// Writes the current user's journal over the target's file, after copying
// that file into its Backups folder. A journal that could not be read at
// start is refused: its table is empty or partial. A copy that cannot be
// written stops the transfer.
TransferOutcome TransferJournalTo(const TransferSource& source, int target);

} // namespace lunea
