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
    std::string title = {};    // the system's own when empty
    std::string fileName = {}; // offered in the name box
    bool askBeforeOverwriting = false;
    bool resizable = false;
};

// The chosen file's path exactly as the user gave it (no extension is
// added), or nothing when cancelled. An existing file is asked about only
// when the options say so.
std::optional<std::string> AskSaveFileName(HWND owner, const SaveDialogOptions& options);

} // namespace lunea
