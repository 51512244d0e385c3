#pragma once
// The current process's environment for data folder values. Win32 build only.
#include "common/data_folder.h"

namespace lunea {

PathEnvironment CurrentPathEnvironment();

} // namespace lunea
