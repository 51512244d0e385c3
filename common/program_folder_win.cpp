#include "common/program_folder_win.h"

#include <windows.h>

namespace lunea {

std::string ProgramFolder() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return ".\\";
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

} // namespace lunea
