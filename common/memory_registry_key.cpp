#include "common/memory_registry_key.h"

namespace lunea {

RegistryRead MemoryRegistryKey::ReadString(const std::string& name, std::string& value) const {
    const auto found = values_.find(name);
    if (found == values_.end())
        return RegistryRead::Missing;
    if (found->second.type != Type::String)
        return RegistryRead::WrongType;
    value = found->second.text;
    return RegistryRead::Found;
}

RegistryRead MemoryRegistryKey::ReadText(const std::string& name, RegistryText& value) const {
    const auto found = values_.find(name);
    if (found == values_.end())
        return RegistryRead::Missing;
    if (found->second.type == Type::Other)
        return RegistryRead::WrongType;
    value = {found->second.text, found->second.type == Type::Expandable};
    return RegistryRead::Found;
}

bool MemoryRegistryKey::WriteString(const std::string& name, const std::string& value) {
    values_[name] = Value{value, Type::String};
    writeOrder_.push_back(name);
    return true;
}

void MemoryRegistryKey::PutExpandable(const std::string& name, const std::string& value) {
    values_[name] = Value{value, Type::Expandable};
}

void MemoryRegistryKey::PutNonString(const std::string& name) {
    values_[name] = Value{{}, Type::Other};
}

} // namespace lunea
