#pragma once
// The user list's sources through Win32: the current user's registry, the
// organiser's library loaded with LoadLibrary, the application-data folder.
#include "users/user_sources.h"

#include <memory>
#include <string>

namespace lunea {

class CurrentUserRegistry : public UserRegistry {
  public:
    std::string ReadString(const std::string& keyPath, const std::string& valueName) const override;
    std::vector<std::string> SubkeyNames(const std::string& keyPath) const override;
};

// Null when the file does not load.
std::unique_ptr<UserLibrary> LoadUserLibrary(const std::string& path);

// The current user's application-data folder (CSIDL_APPDATA); empty when the
// shell does not know it.
std::string AppDataFolder();

} // namespace lunea
