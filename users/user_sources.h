#pragma once
// Where the user list comes from: the current user's registry keys of the
// organiser and of the partnerships, and the organiser's user library. Both
// belong to other programs and are read as untrusted input.
#include "common/registry_key.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace lunea {

// The current user's keys, opened for reading only (never created).
class UserRegistry {
  public:
    virtual ~UserRegistry() = default;
    // Null for a missing key.
    virtual std::unique_ptr<RegistryKey> OpenKey(const std::string& keyPath) const = 0;
    // In the registry's enumeration order; none for a missing key.
    virtual std::vector<std::string> SubkeyNames(const std::string& keyPath) const = 0;
};

// The organiser's loaded "UserData.dll"; unloaded when destroyed. Its calls
// are made only when HasAllEntryPoints.
class UserLibrary {
  public:
    virtual ~UserLibrary() = default;
    virtual bool HasAllEntryPoints() const = 0;
    // "UmGetUserCount" as returned; the count is in the low 16 bits.
    virtual std::uint32_t UserCount() = 0;
    // "UmGetUserID".
    virtual std::uint32_t UserId(std::uint16_t index) = 0;
    // "UmGetUserName" and "UmGetUserDirectory": length holds the buffer's
    // size on entry and the library's length on return.
    virtual void UserName(std::uint32_t id, char* buffer, std::uint16_t& length) = 0;
    virtual void UserDirectory(std::uint32_t id, char* buffer, std::uint16_t& length) = 0;
};

// Loads the library file at a path; null when it does not load.
using UserLibraryLoader = std::function<std::unique_ptr<UserLibrary>(const std::string& path)>;

} // namespace lunea
