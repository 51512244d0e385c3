#include "components/controls/save_dialog_win.h"

#include <commdlg.h>

#include <vector>

namespace lunea {

std::optional<std::string> AskSaveFileName(HWND owner, const SaveDialogOptions& options) {
    std::string filter = options.filterName;
    filter.push_back('\0');
    filter += options.filterPattern;
    filter.push_back('\0');
    filter.push_back('\0');
    std::vector<char> file(MAX_PATH * 4, '\0');
    // A name too long for the box is not offered rather than cut.
    if (options.fileName.size() < file.size())
        options.fileName.copy(file.data(), options.fileName.size());
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrInitialDir = options.initialFolder.c_str();
    dialog.lpstrTitle = options.title.empty() ? nullptr : options.title.c_str();
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
    if (options.askBeforeOverwriting)
        dialog.Flags |= OFN_OVERWRITEPROMPT;
    if (options.resizable)
        dialog.Flags |= OFN_ENABLESIZING;
    if (!GetSaveFileNameA(&dialog))
        return std::nullopt;
    return std::string(file.data());
}

} // namespace lunea
