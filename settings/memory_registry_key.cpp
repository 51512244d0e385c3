#include "settings/memory_registry_key.h"

namespace lunea {

RegistryRead MemoryRegistryKey::ReadString(const std::string& name, std::string& value) const {
    const auto found = values_.find(name);
    if (found == values_.end())
        return RegistryRead::Missing;
    if (!found->second.isString)
        return RegistryRead::WrongType;
    value = found->second.text;
    return RegistryRead::Found;
}

bool MemoryRegistryKey::WriteString(const std::string& name, const std::string& value) {
    values_[name] = Value{value, true};
    writeOrder_.push_back(name);
    return true;
}

void MemoryRegistryKey::PutNonString(const std::string& name) {
    values_[name] = Value{{}, false};
}

} // namespace lunea
