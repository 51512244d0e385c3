// "Save Data As...": the current user's journal as a CSV file.
#include "app/main_window_win.h"
#include "common/program_folder_win.h"
#include "components/controls/save_dialog_win.h"
#include "users/csv_export_win.h"

namespace lunea {

void MainWindow::ExportCsv() {
    const auto path = AskSaveFileName(Window(), {ProgramFolder(), "CSV files (*.csv)", "*.csv"});
    if (!path)
        return;
    // The user chose a file: one that cannot be created or replaced there is
    // the system's to tell.
    if (const auto failure = lunea::ExportCsv(session_.Days(), *path))
        prompts_.ReportError(*failure);
}

} // namespace lunea
