#pragma once
// Keys of the current user: the program's settings key
// HKEY_CURRENT_USER\Software\Quorv\LuneaDesktop\, opened with create-if-missing,
// and other programs' keys, read without creating them. Win32 build only.
#include "common/registry_key.h"
#include "common/unique_win.h"

#include <memory>
#include <string>

namespace lunea {

// Null when the key can neither be opened nor created.
std::unique_ptr<RegistryKey> OpenSettingsKey();

// The key at path under HKEY_CURRENT_USER, for reading; null when it does not
// exist or does not open. Never creates it.
std::unique_ptr<RegistryKey> OpenExistingKeyForReading(const std::string& path);

// A key opened elsewhere, closed when the returned key goes.
std::unique_ptr<RegistryKey> AdoptRegistryKey(win::UniqueRegKey key);

} // namespace lunea
