#pragma once
// Registry keys of the current user through Win32: another program's key,
// read without creating it, or a key opened elsewhere. Win32 build only.
#include "common/registry_key.h"
#include "common/unique_win.h"

#include <memory>
#include <string>

namespace lunea {

// The key at path under HKEY_CURRENT_USER, for reading; null when it does not
// exist or does not open. Never creates it.
std::unique_ptr<RegistryKey> OpenExistingKeyForReading(const std::string& path);

// A key opened elsewhere, closed when the returned key goes.
std::unique_ptr<RegistryKey> AdoptRegistryKey(win::UniqueRegKey key);

} // namespace lunea
