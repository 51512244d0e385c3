#pragma once
// Names by which the host, the registry and the desktop program know the
// provider.

namespace lunea::provider {

inline constexpr char kClassIdText[] = "{61D7D1E5-4AE1-4c5c-8DC0-CC56AF0175D9}";
inline constexpr char kProgId[] = "LuneaSyncAgent";
inline constexpr char kStoreDescription[] = "Lunea Store";
inline constexpr char kObjectTypeName[] = "Lunea";
// Opened, never created: the sync service manager's installation owns it.
inline constexpr char kObjectTypesKey[] =
    "Software\\Microsoft\\Windows CE Services\\Services\\Synchronization\\Objects";

} // namespace lunea::provider
