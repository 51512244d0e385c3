#include "users/user_discovery.h"

#include "common/data_folder.h"

#include <algorithm>
#include <array>

namespace lunea {
namespace {

constexpr char kOrganiserKey[] = "Software\\U.S. Robotics\\Pilot Desktop\\Core";
constexpr char kPartnersKey[] = "Software\\Microsoft\\Windows CE Services\\Partners";
constexpr char kUserLibraryFile[] = "\\UserData.dll";
constexpr char kOrganiserPrefix[] = "Palm - ";
constexpr char kPartnerPrefix[] = "PPC - ";

struct Partner {
    std::string displayName;
    std::string folder;
};

void Append(UserList& users, std::string displayName, std::string folder) {
    users.names.push_back(std::move(displayName));
    users.folders.push_back(std::move(folder));
}

bool IsFull(const UserList& users) {
    return users.UserCount() >= kMaxUserCount;
}

// A missing key or value reads as empty.
std::string ReadString(const UserRegistry& registry, const std::string& keyPath,
                       const std::string& valueName) {
    std::string value;
    const std::unique_ptr<RegistryKey> key = registry.OpenKey(keyPath);
    if (!key || key->ReadString(valueName, value) != RegistryRead::Found)
        return {};
    return value;
}

// Names and folders stay paired: a partner lacking either is left out.
std::vector<Partner> ReadPartners(const UserRegistry& registry,
                                  const PathEnvironment& environment) {
    std::vector<Partner> partners;
    for (const std::string& name : registry.SubkeyNames(kPartnersKey)) {
        const std::unique_ptr<RegistryKey> key =
            registry.OpenKey(std::string(kPartnersKey) + "\\" + name);
        if (!key)
            continue;
        std::string displayName;
        const DataFolder dataFolder = ReadDataFolder(*key, environment);
        if (key->ReadString("DisplayName", displayName) == RegistryRead::Found &&
            !displayName.empty() && dataFolder.outcome == DataFolderOutcome::Found)
            partners.push_back({kPartnerPrefix + displayName, dataFolder.folder});
    }
    return partners;
}

// At most as many characters as the returned length says and the buffer
// holds. A length that counts the terminator, or runs past the text, would
// otherwise put zeros into names and paths: the text ends at the first one.
template <class LibraryCall> std::string ReadLibraryText(LibraryCall call) {
    std::array<char, kLibraryTextBufferSize> buffer{};
    std::uint16_t length = kLibraryTextBufferSize;
    call(buffer.data(), length);
    const auto end = buffer.begin() + std::min<std::size_t>(length, buffer.size());
    return std::string(buffer.begin(), std::find(buffer.begin(), end, '\0'));
}

void AppendOrganiserUsers(UserList& users, const UserRegistry& registry,
                          const UserLibraryLoader& loadLibrary) {
    const std::string desktopPath = ReadString(registry, kOrganiserKey, "DesktopPath");
    // Without the organiser's program folder there is no library to load.
    if (desktopPath.empty())
        return;
    const std::string dataRoot = ReadString(registry, kOrganiserKey, "Path");
    const std::unique_ptr<UserLibrary> library = loadLibrary(desktopPath + kUserLibraryFile);
    if (!library || !library->HasAllEntryPoints())
        return;
    const std::uint32_t count = library->UserCount() & 0xFFFF;
    for (std::uint32_t index = 0; index < count && !IsFull(users); ++index) {
        const std::uint32_t id = library->UserId(static_cast<std::uint16_t>(index));
        const std::string name = ReadLibraryText(
            [&](char* buffer, std::uint16_t& length) { library->UserName(id, buffer, length); });
        const std::string directory = ReadLibraryText([&](char* buffer, std::uint16_t& length) {
            library->UserDirectory(id, buffer, length);
        });
        Append(users, kOrganiserPrefix + name, dataRoot + "\\" + directory + "\\");
    }
}

} // namespace

UserList BuildUserList(const std::string& programFolder, const PathEnvironment& environment,
                       const UserRegistry& registry, const UserLibraryLoader& loadLibrary) {
    UserList users = LocalUserList(programFolder);
    const std::vector<Partner> partners = ReadPartners(registry, environment);
    AppendOrganiserUsers(users, registry, loadLibrary);
    for (const Partner& partner : partners) {
        if (IsFull(users))
            break;
        Append(users, partner.displayName, partner.folder);
    }
    return users;
}

} // namespace lunea
