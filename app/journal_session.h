#pragma once
// The journal session: the users, the current user, the journal, the
// settings and the cycle analysis for the whole run, with the rules for
// starting, switching users, saving, reloading and closing. The window hands
// in the users it found, the settings key and its dialogs; the session tells
// the user through the prompts and never shows anything itself.

#include "common/file_system.h"
#include "components/controls/user_prompts.h"
#include "journal/backups.h"
#include "journal/cycle_analysis.h"
#include "journal/data_file.h"
#include "settings/prefs_values.h"
#include "common/registry_key.h"
#include "settings/settings.h"
#include "users/user_list.h"

#include <functional>
#include <memory>
#include <string>

namespace lunea {

// Opens the settings key at each use, as the program always has; null when
// it can neither be opened nor created (nothing is then read or written).
using SettingsKeyOpener = std::function<std::unique_ptr<RegistryKey>()>;

// The dialogs of start-up, shown by the window.
struct StartDialogs {
    // The welcome dialog: the user to start with when none is known.
    std::function<int(const UserList&)> chooseUser;
    // The password prompt, only when a password is set. Without the password
    // the program ends, but start-up still runs to its end.
    std::function<void(const std::string& password)> checkPassword;
};

class JournalSession {
  public:
    JournalSession(FileSystem& files, UserPrompts& prompts, SettingsKeyOpener openSettingsKey);

    // Reads the settings, chooses the current user (the last one, else the
    // welcome dialog's), asks for the password when one is set, and loads
    // the current user's journal.
    void Start(UserList users, const StartDialogs& dialogs);
    // The provider's save request (message 1025). It waits for this answer,
    // so what the save has to tell waits for the close; before the first
    // load there is nothing to save, and an empty table would be written
    // over the user's file.
    void SaveRequest();
    // The provider's reload request (message 1026): nothing before the first
    // load, like the save request; tells where the saves kept the edits the
    // journal could not take.
    void Reload();
    // Closing, or Windows ending: saves and tells where edits went that no
    // save could put in the journal, also those of the save requests.
    void SaveOnClose();
    // Saves the current user's journal and tells its problems, loads the
    // other user's and remembers them as the last user. False for the
    // current user or one the list lacks: nothing happens.
    bool SwitchUser(int user);
    // Leaving the Preferences page: its values become the settings, all of
    // them written to the registry.
    void TakeOverPrefs(const PrefsValues& values);
    void WriteLastUser();
    // What the Preferences page changes at once, before it is left.
    void SetIconKind(int slot, int kind);
    void RestoreDefaultPrefs();
    // "Clear Database": the journal file as it is now is copied into the
    // Backups folder first; a copy that cannot be written is told and the
    // journal stays. Then the journal asks.
    void ClearDatabase(const BackupTime& now);
    // The journal changed in place (the day editor, the Preferences page):
    // the analysis follows it.
    void JournalChanged();

    const UserList& Users() const { return users_; }
    int CurrentUser() const { return currentUser_; }
    const Settings& CurrentSettings() const { return settings_; }
    const DayTable& Days() const { return journal_.Days(); }
    // The day editor writes records here, then calls JournalChanged.
    DayTable& EditableDays() { return journal_.Days(); }
    // The analysis of the journal and settings as they are now.
    const CycleAnalysis& Analysis() const { return analysis_; }
    // The transfer dialog writes this journal into another user's file.
    void Transfer(const std::function<void(Journal&, const UserList&, int)>& transfer) {
        transfer(journal_, users_, currentUser_);
    }

  private:
    void SetCurrentUser(int user);
    std::string CurrentFile() const { return users_.DataFile(currentUser_); }
    void Load();
    void SaveAndTellProblems();
    void Recompute();

    FileSystem& files_;
    UserPrompts& prompts_;
    SettingsKeyOpener openSettingsKey_;
    Journal journal_;
    UserList users_;
    int currentUser_ = 0;
    Settings settings_;
    CycleAnalysis analysis_;
    bool loaded_ = false;
};

} // namespace lunea
