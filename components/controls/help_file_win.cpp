#include "components/controls/help_file_win.h"

#include "common/program_folder_win.h"

#include <shellapi.h>

namespace lunea {
namespace {

void TellFailure(HINSTANCE shellResult, UserPrompts& prompts) {
    const auto result = reinterpret_cast<INT_PTR>(shellResult);
    if (result > 32)
        return;
    prompts.Inform(result == SE_ERR_ASSOCINCOMPLETE ? "No program associated to open chm files!"
                                                    : "Can`t open help file!");
}

} // namespace

void OpenHelpFile(HWND owner, UserPrompts& prompts, const std::string& file) {
    TellFailure(
        ShellExecuteA(owner, "OPEN", file.c_str(), nullptr, ProgramFolder().c_str(), SW_SHOWNORMAL),
        prompts);
}

void OpenHelpPage(HWND owner, UserPrompts& prompts, const std::string& file,
                  const std::string& page) {
    const std::string folder = ProgramFolder();
    // hh.exe opens a page only from a full path; a missing file would still
    // start the viewer, so it is told here as the shell tells it for the file.
    const std::string path = folder + file;
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        TellFailure(reinterpret_cast<HINSTANCE>(SE_ERR_FNF), prompts);
        return;
    }
    const std::string topic = path + "::/" + page;
    TellFailure(
        ShellExecuteA(owner, "OPEN", "hh.exe", topic.c_str(), folder.c_str(), SW_SHOWNORMAL),
        prompts);
}

} // namespace lunea
