#include "common/registry_key_win.h"

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace lunea {
namespace {

bool IsText(DWORD type) {
    return type == REG_SZ || type == REG_EXPAND_SZ;
}

class Win32RegistryKey : public RegistryKey {
  public:
    explicit Win32RegistryKey(win::UniqueRegKey key) : key_(std::move(key)) {}

    RegistryRead ReadString(const std::string& name, std::string& value) const override {
        RegistryText text;
        const RegistryRead read = ReadText(name, text);
        if (read == RegistryRead::Found && text.expandable)
            return RegistryRead::WrongType;
        if (read == RegistryRead::Found)
            value = std::move(text.text);
        return read;
    }

    RegistryRead ReadText(const std::string& name, RegistryText& value) const override {
        DWORD type = 0;
        DWORD size = 0;
        if (RegQueryValueExA(key_.Get(), name.c_str(), nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS)
            return RegistryRead::Missing;
        if (!IsText(type))
            return RegistryRead::WrongType;
        std::vector<char> buffer(size + 1, '\0');
        const DWORD expectedType = type;
        if (RegQueryValueExA(key_.Get(), name.c_str(), nullptr, &type,
                             reinterpret_cast<BYTE*>(buffer.data()), &size) != ERROR_SUCCESS ||
            type != expectedType)
            return RegistryRead::Missing;
        // The stored data need not end with a terminator; stop at the first.
        value = {std::string(buffer.data(), strnlen(buffer.data(), size)), type == REG_EXPAND_SZ};
        return RegistryRead::Found;
    }

    bool WriteString(const std::string& name, const std::string& value) override {
        return RegSetValueExA(key_.Get(), name.c_str(), 0, REG_SZ,
                              reinterpret_cast<const BYTE*>(value.c_str()),
                              static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
    }

  private:
    win::UniqueRegKey key_;
};

} // namespace

std::unique_ptr<RegistryKey> AdoptRegistryKey(win::UniqueRegKey key) {
    return std::make_unique<Win32RegistryKey>(std::move(key));
}

std::unique_ptr<RegistryKey> OpenExistingKeyForReading(const std::string& path) {
    win::UniqueRegKey key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, key.Put()) != ERROR_SUCCESS)
        return nullptr;
    return AdoptRegistryKey(std::move(key));
}

} // namespace lunea
