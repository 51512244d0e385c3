#pragma once
// The program's settings key HKEY_CURRENT_USER\Software\Quorv\LuneaDesktop\,
// opened with create-if-missing. Win32 build only.
#include "common/registry_key.h"

#include <memory>

namespace lunea {

// Null when the key can neither be opened nor created.
std::unique_ptr<RegistryKey> OpenSettingsKey();

} // namespace lunea
