#include "dialogs/restore_backup_dialog_win.h"

#include <commctrl.h>

#include <string>
#include <utility>

namespace lunea {
namespace {

constexpr int kPromptId = 11;
constexpr int kListId = 20;

void SetItemText(HWND list, int item, int column, const std::string& text) {
    LVITEMA cell{};
    cell.iSubItem = column;
    cell.pszText = const_cast<char*>(text.c_str());
    SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(item),
                 reinterpret_cast<LPARAM>(&cell));
}

} // namespace

RestoreBackupDialog::RestoreBackupDialog(HWND owner, std::vector<BackupSummary> backups,
                                         BackupRestorer restore)
    : ModalDialog(owner), backups_(std::move(backups)), restore_(std::move(restore)) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    if (!CreateDialogWindow("Restore backup", 320, 240))
        return;
    AddControl("STATIC", kPromptId, {12, 12, 308, 28},
               backups_.empty() ? "There are no backups of this journal yet."
                                : "Choose the backup to load into your journal:",
               SS_LEFT | SS_NOPREFIX);
    list_ =
        AddControl(WC_LISTVIEWA, kListId, {12, 34, 308, 196}, "",
                   WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER,
                   WS_EX_CLIENTEDGE);
    AddColumns();
    FillList();
    AddButton(IDOK, {152, 206, 227, 230}, "OK", true);
    AddButton(IDCANCEL, {233, 206, 308, 230}, "Cancel");
    EnableWindow(GetDlgItem(Window(), IDOK), !backups_.empty());
    OnNotify(kListId, [this](const NMHDR& notification) {
        if (notification.code == NM_DBLCLK || notification.code == NM_RETURN)
            OkClick();
    });
}

void RestoreBackupDialog::AddColumns() const {
    const struct {
        const char* title;
        int width;
    } columns[] = {{"Date", 100}, {"Time", 70}, {"Recorded days", 118}};
    int index = 0;
    for (const auto& column : columns) {
        LVCOLUMNA format{};
        format.mask = LVCF_TEXT | LVCF_WIDTH;
        format.pszText = const_cast<char*>(column.title);
        format.cx = column.width;
        SendMessageA(list_, LVM_INSERTCOLUMNA, static_cast<WPARAM>(index++),
                     reinterpret_cast<LPARAM>(&format));
    }
}

void RestoreBackupDialog::FillList() const {
    SendMessageA(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    int row = 0;
    for (const BackupSummary& backup : backups_) {
        // "YYYY-MM-DD HH:MM": the date and the time in their own columns.
        const std::string when = BackupTimeText(backup.entry.time);
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        const std::string date = when.substr(0, 10);
        item.pszText = const_cast<char*>(date.c_str());
        SendMessageA(list_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        SetItemText(list_, row, 1, when.substr(11));
        SetItemText(list_, row, 2, backup.whole ? std::to_string(backup.recordedDays) : "damaged");
        ++row;
    }
    LVITEMA selected{};
    selected.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    selected.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list_, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&selected));
}

void RestoreBackupDialog::OkClick() {
    const auto chosen =
        SendMessageA(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), MAKELPARAM(LVNI_SELECTED, 0));
    if (chosen < 0 || chosen >= static_cast<LRESULT>(backups_.size()))
        return;
    restored_ = restore_(backups_[static_cast<std::size_t>(chosen)].entry);
    if (restored_)
        EndModal(DialogResult::Ok);
}

bool ChooseBackupToRestore(HWND owner, std::vector<BackupSummary> backups, BackupRestorer restore) {
    RestoreBackupDialog dialog(owner, std::move(backups), std::move(restore));
    dialog.ShowModal();
    return dialog.Restored();
}

} // namespace lunea
