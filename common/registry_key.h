#pragma once
// A registry key (the settings key, or another program's), as string values
// only.
#include <string>

namespace lunea {

enum class RegistryRead { Found, Missing, WrongType };

// A REG_SZ or REG_EXPAND_SZ value as stored: an expandable one still holds
// its %VARIABLE% references.
struct RegistryText {
    std::string text;
    bool expandable = false;
};

class RegistryKey {
  public:
    virtual ~RegistryKey() = default;
    // A REG_SZ value; value is set only when Found.
    virtual RegistryRead ReadString(const std::string& name, std::string& value) const = 0;
    // A REG_SZ or REG_EXPAND_SZ value; value is set only when Found.
    virtual RegistryRead ReadText(const std::string& name, RegistryText& value) const = 0;
    // Writes a REG_SZ value.
    virtual bool WriteString(const std::string& name, const std::string& value) = 0;
};

} // namespace lunea
