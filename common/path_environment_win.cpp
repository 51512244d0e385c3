#include "common/path_environment_win.h"

#include <windows.h>
#include <shlobj.h>

#include <vector>

namespace lunea {
namespace {

// Empty when the shell does not know it.
std::string AppDataFolder() {
    char folder[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder)))
        return {};
    return folder;
}

std::optional<std::string> ExpandEnvironment(const std::string& text) {
    const DWORD needed = ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
    if (needed == 0)
        return std::nullopt;
    std::vector<char> expanded(needed + 1, '\0');
    const DWORD written = ExpandEnvironmentStringsA(text.c_str(), expanded.data(), needed + 1);
    if (written == 0 || written > needed + 1)
        return std::nullopt;
    return std::string(expanded.data());
}

} // namespace

PathEnvironment CurrentPathEnvironment() {
    return {AppDataFolder(), ExpandEnvironment};
}

} // namespace lunea
