#include "users/user_sources_win.h"

#include "common/unique_win.h"
#include "common/registry_key_win.h"

#include <windows.h>

#include <utility>

namespace lunea {
namespace {

using GetUserCount = unsigned long(WINAPI*)();
using GetUserId = void(WINAPI*)(unsigned short index, unsigned long* id);
using GetUserText = void(WINAPI*)(unsigned long id, char* buffer, unsigned short* length);

template <class Function> Function EntryPoint(HMODULE module, const char* name) {
    // Through void (*)(), which GCC lets become any function pointer without
    // a warning about the cast.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

class UserDataLibrary : public UserLibrary {
  public:
    explicit UserDataLibrary(win::UniqueModule module)
        : module_(std::move(module)),
          userCount_(EntryPoint<GetUserCount>(module_.Get(), "UmGetUserCount")),
          userId_(EntryPoint<GetUserId>(module_.Get(), "UmGetUserID")),
          userName_(EntryPoint<GetUserText>(module_.Get(), "UmGetUserName")),
          userDirectory_(EntryPoint<GetUserText>(module_.Get(), "UmGetUserDirectory")) {}

    bool HasAllEntryPoints() const override {
        return userCount_ && userId_ && userName_ && userDirectory_;
    }
    std::uint32_t UserCount() override { return userCount_(); }
    std::uint32_t UserId(std::uint16_t index) override {
        unsigned long id = 0;
        userId_(index, &id);
        return id;
    }
    void UserName(std::uint32_t id, char* buffer, std::uint16_t& length) override {
        userName_(id, buffer, &length);
    }
    void UserDirectory(std::uint32_t id, char* buffer, std::uint16_t& length) override {
        userDirectory_(id, buffer, &length);
    }

  private:
    win::UniqueModule module_;
    GetUserCount userCount_;
    GetUserId userId_;
    GetUserText userName_;
    GetUserText userDirectory_;
};

} // namespace

std::unique_ptr<RegistryKey> CurrentUserRegistry::OpenKey(const std::string& keyPath) const {
    return OpenExistingKeyForReading(keyPath);
}

std::vector<std::string> CurrentUserRegistry::SubkeyNames(const std::string& keyPath) const {
    std::vector<std::string> names;
    win::UniqueRegKey key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath.c_str(), 0, KEY_ENUMERATE_SUB_KEYS, key.Put()) !=
        ERROR_SUCCESS)
        return names;
    // A key's name has at most 255 characters.
    char name[256];
    for (DWORD index = 0;; ++index) {
        DWORD length = sizeof name;
        if (RegEnumKeyExA(key.Get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            return names;
        names.emplace_back(name, length);
    }
}

std::unique_ptr<UserLibrary> LoadUserLibrary(const std::string& path) {
    win::UniqueModule module(LoadLibraryA(path.c_str()));
    if (!module)
        return nullptr;
    return std::make_unique<UserDataLibrary>(std::move(module));
}

} // namespace lunea
