#pragma once
// The system's save dialog.

#include <windows.h>

#include <optional>
#include <string>

namespace lunea {

struct SaveDialogOptions {
    std::string initialFolder;
    // Pairs of description and pattern, as the dialog shows them.
    std::string filterName;
    std::string filterPattern;
};

// The chosen file's path exactly as the user gave it (no extension is
// added, an existing file is not asked about), or nothing when cancelled.
std::optional<std::string> AskSaveFileName(HWND owner, const SaveDialogOptions& options);

} // namespace lunea
