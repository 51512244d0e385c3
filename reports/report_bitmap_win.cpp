#include "reports/report_bitmap_win.h"

#include "common/file_system.h"
#include "common/program_folder_win.h"
#include "common/replace_file.h"
#include "components/canvas/bmp_file.h"
#include "components/controls/message_box_prompts_win.h"
#include "components/controls/save_dialog_win.h"
#include "reports/report_file_name.h"

namespace lunea {

void SaveReportBitmap(HWND owner, CivilDate firstCycleStart, const PixelImage& picture) {
    if (picture.width <= 0 || picture.height <= 0)
        return;
    const std::optional<std::string> path =
        AskSaveFileName(owner, {.initialFolder = ProgramFolder(),
                                .filterName = "Bmp Files (*.bmp)",
                                .filterPattern = "*.BMP",
                                .title = "Save As Bitmap",
                                .fileName = ReportBitmapName(firstCycleStart),
                                .askBeforeOverwriting = true,
                                .resizable = true});
    if (!path)
        return;
    const std::unique_ptr<FileSystem> files = MakePlatformFileSystem();
    const ReplaceResult result = WriteFileReplacing(*files, *path, EncodeBmp(picture));
    if (result.replaced)
        return;
    // Without a temporary file the result has no text: the file system's
    // last error is that failure's.
    const std::string text = result.failureText.value_or(files->LastErrorText());
    MessageBoxPrompts(owner).ReportError(text);
}

} // namespace lunea
