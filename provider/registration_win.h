#pragma once
#include <windows.h>

namespace lunea::provider {

// Writes the COM class and the sync object type; the first failing call ends
// it and what was written before stays.
HRESULT RegisterServer();
// Removes both; fails at once when the class is not registered.
HRESULT UnregisterServer();

} // namespace lunea::provider
