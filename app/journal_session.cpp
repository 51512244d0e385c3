#include "app/journal_session.h"

#include <utility>

namespace lunea {

JournalSession::JournalSession(FileSystem& files, UserPrompts& prompts,
                               SettingsKeyOpener openSettingsKey)
    : files_(files), prompts_(prompts), openSettingsKey_(std::move(openSettingsKey)),
      journal_(files, prompts) {}

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
        journal_.SaveData(CurrentFile());
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
    journal_.TellSaveProblems();
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

void JournalSession::ClearDatabase(const BackupTime& now) {
    const BackupOutcome backup = BackUpJournal(files_, CurrentFile(), now);
    if (backup.result == BackupResult::Failed) {
        prompts_.ReportError(
            "No backup of " + CurrentFile() +
            " could be written, so the database was not cleared: " + backup.errorText);
        return;
    }
    journal_.ClearDatabase();
    Recompute();
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

void JournalSession::SaveAndTellProblems() {
    journal_.SaveData(CurrentFile());
    journal_.TellSaveProblems();
}

void JournalSession::Recompute() {
    analysis_.Analyse(journal_.Days(), CycleRulesOf(settings_));
}

} // namespace lunea
