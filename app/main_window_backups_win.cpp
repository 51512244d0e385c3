// "Restore backup..." on the Preferences page: the dialog lists the current
// user's copies and the session restores the chosen one.
#include "app/main_window_win.h"
#include "dialogs/restore_backup_dialog_win.h"

namespace lunea {

void MainWindow::RestoreBackup() {
    const bool restored =
        ChooseBackupToRestore(Window(), session_.Backups(), [this](const BackupEntry& backup) {
            return session_.RestoreBackup(backup);
        });
    if (restored)
        RepaintView();
}

} // namespace lunea
