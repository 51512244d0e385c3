#pragma once
// A registry key held in memory, for tests.
#include "common/registry_key.h"

#include <map>
#include <string>
#include <vector>

namespace lunea {

class MemoryRegistryKey : public RegistryKey {
  public:
    RegistryRead ReadString(const std::string& name, std::string& value) const override;
    RegistryRead ReadText(const std::string& name, RegistryText& value) const override;
    bool WriteString(const std::string& name, const std::string& value) override;

    // A REG_EXPAND_SZ value.
    void PutExpandable(const std::string& name, const std::string& value);
    // A value of another registry type than string (a DWORD, say).
    void PutNonString(const std::string& name);
    // Names in the order of their writes, repeated writes included.
    const std::vector<std::string>& WriteOrder() const { return writeOrder_; }

  private:
    enum class Type { String, Expandable, Other };
    struct Value {
        std::string text;
        Type type = Type::String;
    };
    std::map<std::string, Value> values_;
    std::vector<std::string> writeOrder_;
};

} // namespace lunea
