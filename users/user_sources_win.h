#pragma once
// The user list's sources through Win32: the current user's registry, the
// organiser's library loaded with LoadLibrary.
#include "users/user_sources.h"

#include <memory>
#include <string>

namespace lunea {

class CurrentUserRegistry : public UserRegistry {
  public:
    std::unique_ptr<RegistryKey> OpenKey(const std::string& keyPath) const override;
    std::vector<std::string> SubkeyNames(const std::string& keyPath) const override;
};

// Null when the file does not load.
std::unique_ptr<UserLibrary> LoadUserLibrary(const std::string& path);

} // namespace lunea
