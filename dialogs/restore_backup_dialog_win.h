#pragma once
// "Restore backup": the copies of the journal, newest first, with the date,
// time and number of recorded days of each; OK (Enter, a double-click)
// hands the chosen one to the caller, which restores it.

#include "components/controls/modal_dialog_win.h"
#include "journal/backups.h"

#include <functional>
#include <vector>

namespace lunea {

// Restores a copy; true when it was restored and the dialog may close.
using BackupRestorer = std::function<bool(const BackupEntry&)>;

class RestoreBackupDialog final : public ModalDialog {
  public:
    RestoreBackupDialog(HWND owner, std::vector<BackupSummary> backups, BackupRestorer restore);
    bool Restored() const { return restored_; }

  private:
    void OkClick() override;
    void AddColumns() const;
    void FillList() const;

    std::vector<BackupSummary> backups_;
    BackupRestorer restore_;
    HWND list_ = nullptr;
    bool restored_ = false;
};

// Shows the dialog; true when a copy was restored.
bool ChooseBackupToRestore(HWND owner, std::vector<BackupSummary> backups, BackupRestorer restore);

} // namespace lunea
