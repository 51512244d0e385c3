#pragma once
// Opens a compiled help file (.chm) of the program's folder through the
// shell; a failure is told the same way wherever the help is asked for.
#include "components/controls/user_prompts.h"

#include <windows.h>

#include <string>

namespace lunea {

// The whole file, opened with the shell's "OPEN" verb.
void OpenHelpFile(HWND owner, UserPrompts& prompts, const std::string& file);
// The file's viewer shown at one page of it ("reports.html").
void OpenHelpPage(HWND owner, UserPrompts& prompts, const std::string& file,
                  const std::string& page);

} // namespace lunea
