#pragma once
// A registry key (the settings key, or another program's), as string values
// only.
#include <string>

namespace lunea {

enum class RegistryRead { Found, Missing, WrongType };

class RegistryKey {
  public:
    virtual ~RegistryKey() = default;
    // value is set only when Found.
    virtual RegistryRead ReadString(const std::string& name, std::string& value) const = 0;
    // Writes a REG_SZ value.
    virtual bool WriteString(const std::string& name, const std::string& value) = 0;
};

} // namespace lunea
