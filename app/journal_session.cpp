#include "app/journal_session.h"

#include "common/replace_file.h"

#include <utility>

namespace lunea {

JournalSession::JournalSession(FileSystem& files, UserPrompts& prompts,
                               SettingsKeyOpener openSettingsKey, LocalClock clock)
    : files_(files), prompts_(prompts), openSettingsKey_(std::move(openSettingsKey)),
      clock_(std::move(clock)), journal_(files, prompts) {}

void JournalSession::Start(UserList users, const StartDialogs& dialogs) {
    users_ = std::move(users);
    // The program's own folder keeps what a missing device folder cannot.
    journal_.SetSpareFolder(users_.folders.at(0));
    if (auto key = openSettingsKey_())
        settings_ = ReadSettings(*key);
    const int chosen = ChooseStartUser(users_, settings_.lastUser);
    SetCurrentUser(chosen >= 0 ? chosen : dialogs.chooseUser(users_));
    if (!settings_.password.empty())
        dialogs.checkPassword(settings_.password);
    Load();
}

void JournalSession::SaveRequest() {
    if (loaded_)
        Save();
}

void JournalSession::Reload() {
    // Before start-up has loaded the chosen user's journal there is no user
    // to reload for: another user's table read now would be what a save
    // request writes into the chosen user's file.
    if (!loaded_)
        return;
    Load();
    // Posted, not waited for: what the save request before it kept aside
    // (the edits the reload has just replaced) is told now.
    TellProblems();
}

void JournalSession::SaveOnClose() {
    SaveAndTellProblems();
}

bool JournalSession::SwitchUser(int user) {
    if (user == currentUser_ || user < 0 || user >= users_.UserCount())
        return false;
    // A journal that could not be read is not written over (the journal's
    // own rule), so nothing of it is lost by switching away; the edits of
    // this session went beside it, and the user hears where now.
    SaveAndTellProblems();
    SetCurrentUser(user);
    Load();
    WriteLastUser();
    return true;
}

void JournalSession::TakeOverPrefs(const PrefsValues& values) {
    if (lunea::TakeOverPrefs(values, settings_))
        prompts_.Inform("Password is disabled!");
    if (auto key = openSettingsKey_())
        WriteAllSettings(*key, settings_); // the last user among them
    Recompute();
}

void JournalSession::WriteLastUser() {
    if (auto key = openSettingsKey_())
        lunea::WriteLastUser(*key, settings_);
}

void JournalSession::SetIconKind(int slot, int kind) {
    if (slot >= 0 && slot < Settings::kIconSlots)
        settings_.iconKinds[static_cast<std::size_t>(slot)] = kind;
}

void JournalSession::RestoreDefaultPrefs() {
    lunea::RestoreDefaultPrefs(settings_);
    Recompute();
}

void JournalSession::ClearDatabase() {
    const BackupOutcome backup = BackUpJournal(files_, CurrentFile(), clock_());
    if (backup.result == BackupResult::Failed) {
        prompts_.ReportError(
            "No backup of " + CurrentFile() +
            " could be written, so the database was not cleared: " + backup.errorText);
        return;
    }
    journal_.ClearDatabase();
    Recompute();
}

std::vector<BackupSummary> JournalSession::Backups() const {
    return SummarizeBackups(files_, CurrentFile());
}

bool JournalSession::RestoreBackup(const BackupEntry& backup) {
    const BackupContents contents = ReadBackup(files_, backup.path);
    if (!contents.problem.empty()) {
        prompts_.ReportError("The backup " + backup.path + " cannot be restored: " +
                             contents.problem + "\n\nYour journal was not changed.");
        return false;
    }
    if (!prompts_.AskYesNo("Replace your journal with the backup of " +
                           BackupTimeText(backup.time) + " (" +
                           std::to_string(contents.recordedDays) +
                           " recorded days)? Your journal as it is now is kept as a backup."))
        return false;
    SaveAndTellProblems();
    const BackupOutcome current = BackUpJournal(files_, CurrentFile(), clock_());
    if (current.result == BackupResult::Failed) {
        prompts_.ReportError("No backup of " + CurrentFile() +
                             " could be written, so nothing was restored: " + current.errorText);
        return false;
    }
    const ReplaceResult written = WriteFileReplacing(files_, CurrentFile(), contents.bytes);
    if (!written.replaced) {
        prompts_.ReportError("The backup could not be written to " + CurrentFile() + ": " +
                             written.failureText.value_or(files_.LastErrorText()));
        return false;
    }
    Load();
    return true;
}

void JournalSession::JournalChanged() {
    Recompute();
}

void JournalSession::SetCurrentUser(int user) {
    currentUser_ = user;
    settings_.lastUser =
        users_.names[static_cast<std::size_t>(user)].substr(0, Settings::kLastUserCapacity);
}

void JournalSession::Load() {
    journal_.LoadData(CurrentFile());
    loaded_ = true;
    Recompute();
}

void JournalSession::Save() {
    const std::string file = CurrentFile();
    // A journal that could not be read is not written over: nothing to copy.
    if (!journal_.IsUnread(file)) {
        const BackupOutcome backup = BackUpBeforeFirstSaveOfDay(files_, file, clock_());
        // A file the save cannot write over (another program holds it) loses
        // nothing: its save problem is the one to tell.
        if (backup.result == BackupResult::Failed && MayReplace(files_, file))
            backupProblem_ = "No backup of " + file +
                             " could be written before the day's first save: " + backup.errorText +
                             "\n\nThe save went ahead without one.";
    }
    journal_.SaveData(file);
}

void JournalSession::SaveAndTellProblems() {
    Save();
    TellProblems();
}

void JournalSession::TellProblems() {
    if (!backupProblem_.empty())
        prompts_.ReportError(std::exchange(backupProblem_, {}));
    journal_.TellSaveProblems();
}

void JournalSession::Recompute() {
    analysis_.Analyse(journal_.Days(), CycleRulesOf(settings_));
}

} // namespace lunea
