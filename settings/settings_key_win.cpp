#include "settings/settings_key_win.h"

#include "common/registry_key_win.h"

#include <windows.h>

#include <utility>

namespace lunea {
namespace {

// The key path as the program has always passed it, minus the trailing
// backslash, which names the same key.
constexpr char kSettingsKeyPath[] = "Software\\Quorv\\LuneaDesktop";

} // namespace

std::unique_ptr<RegistryKey> OpenSettingsKey() {
    win::UniqueRegKey key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_READ | KEY_WRITE, nullptr, key.Put(), nullptr) != ERROR_SUCCESS)
        return nullptr;
    return AdoptRegistryKey(std::move(key));
}

} // namespace lunea
