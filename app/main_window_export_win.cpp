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
    const CsvExportResult result = lunea::ExportCsv(session_.Days(), *path);
    // A file that cannot be created there is passed over silently; a failure
    // while writing it is the system's to tell.
    if (result.outcome == CsvExportResult::Failed)
        prompts_.ReportError(result.failureText);
}

} // namespace lunea
