#include "users/user_discovery.h"

#include "common/memory_registry_key.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <optional>

namespace lunea {
namespace {

const std::string kPartners = "Software\\Microsoft\\Windows CE Services\\Partners";
constexpr std::uint32_t kFirstId = 500; // ids differ from indexes

// What the fake registry and library hold, and what the library saw.
struct World {
    std::string desktopPath = "C:\\Palm";
    std::vector<std::array<std::string, 3>> partners{}; // key, DisplayName, DataFolder
    std::vector<std::string> users{};                   // names; a directory is the name + "-dir"
    std::optional<std::uint32_t> count{};
    bool complete = true;
    std::optional<std::uint16_t> returnedLength{};
    bool unterminated = false;
    std::vector<std::string> loaded{};
    int calls = 0;
    bool unloaded = false;
};

struct FakeRegistry : UserRegistry {
    std::map<std::string, MemoryRegistryKey> keys;
    std::vector<std::string> partnerKeys;
    std::unique_ptr<RegistryKey> OpenKey(const std::string& path) const override {
        const auto found = keys.find(path);
        return found == keys.end() ? nullptr : std::make_unique<MemoryRegistryKey>(found->second);
    }
    std::vector<std::string> SubkeyNames(const std::string& key) const override {
        return key == kPartners ? partnerKeys : std::vector<std::string>{};
    }
};

class FakeLibrary : public UserLibrary {
  public:
    explicit FakeLibrary(World& world) : world_(world) {}
    ~FakeLibrary() override { world_.unloaded = true; }
    bool HasAllEntryPoints() const override { return world_.complete; }
    std::uint32_t UserCount() override {
        return ++world_.calls, world_.count.value_or(std::uint32_t(world_.users.size()));
    }
    std::uint32_t UserId(std::uint16_t index) override { return ++world_.calls, kFirstId + index; }
    void UserName(std::uint32_t id, char* to, std::uint16_t& n) override { Write(id, "", to, n); }
    void UserDirectory(std::uint32_t id, char* to, std::uint16_t& n) override {
        Write(id, "-dir", to, n);
    }

  private:
    void Write(std::uint32_t id, const char* suffix, char* buffer, std::uint16_t& length) {
        const std::size_t index = id - kFirstId;
        const std::string text =
            (index < world_.users.size() ? world_.users[index] : "u" + std::to_string(index)) +
            suffix;
        ++world_.calls;
        if (world_.unterminated)
            std::fill_n(buffer, length, 'x');
        else
            buffer[text.copy(buffer, length - 1u)] = '\0';
        length = world_.returnedLength.value_or(std::uint16_t(text.size()));
    }
    World& world_;
};

UserList Build(World& world) {
    FakeRegistry registry;
    MemoryRegistryKey& organiser = registry.keys["Software\\U.S. Robotics\\Pilot Desktop\\Core"];
    organiser.WriteString("DesktopPath", world.desktopPath);
    organiser.WriteString("Path", "D:\\Data");
    for (const auto& [key, displayName, dataFolder] : world.partners) {
        registry.partnerKeys.push_back(key);
        MemoryRegistryKey& partner = registry.keys[kPartners + "\\" + key];
        partner.WriteString("DisplayName", displayName);
        partner.WriteString("DataFolder", dataFolder);
    }
    const PathEnvironment environment{"C:\\AppData\\", {}};
    return BuildUserList("C:\\Lunea", environment, registry, [&](const std::string& path) {
        world.loaded.push_back(path);
        return std::unique_ptr<UserLibrary>(std::make_unique<FakeLibrary>(world));
    });
}

// "Lunea", count organiser users as the fake names them, then more.
std::vector<std::string> Names(int count, std::vector<std::string> more = {}) {
    std::vector<std::string> names{"Lunea"};
    for (int i = 0; i < count; ++i)
        names.push_back("Palm - u" + std::to_string(i));
    names.insert(names.end(), more.begin(), more.end());
    return names;
}

const std::vector<std::array<std::string, 3>> kTwoPartners{{"P1", "Phone", "\\Phone Sync"},
                                                           {"P2", "Tab", "E:\\Tab"}};

TEST(UserDiscovery, ListsLocalThenOrganiserThenPartners) {
    const std::string filled(kLibraryTextBufferSize, 'x');
    struct Case {
        const char* what;
        World world;
        std::vector<std::string> names, folders{};
    } cases[] = {
        {"nothing installed", {.desktopPath = ""}, {"Lunea"}, {"C:\\Lunea\\"}},
        {"library order, then partners with both folder rules",
         {.partners = kTwoPartners, .users = {"Bea", "Anna"}},
         {"Lunea", "Palm - Bea", "Palm - Anna", "PPC - Phone", "PPC - Tab"},
         {"C:\\Lunea\\", "D:\\Data\\Bea-dir\\", "D:\\Data\\Anna-dir\\", "C:\\AppData\\Phone Sync\\",
          "E:\\Tab\\"}},
        {"a partner lacking a name or a usable folder is left out",
         {.desktopPath = "",
          .partners = {{"P1", "", "E:\\A"},
                       {"P2", "Tab", "E:\\T"},
                       {"P3", "B", ""},
                       {"P4", "Rel", "Tablet"}}},
         {"Lunea", "PPC - Tab"},
         {"C:\\Lunea\\", "E:\\T\\"}},
        {"a library lacking an entry point is not called",
         {.partners = kTwoPartners, .users = {"Anna"}, .complete = false},
         Names(0, {"PPC - Phone", "PPC - Tab"})},
        {"only the low 16 bits count", {.count = 0x10002}, Names(2)},
        {"ten users at most", {.partners = kTwoPartners, .count = 8}, Names(8, {"PPC - Phone"})},
        {"a huge count stops at the list's end", {.count = 0xFFFF}, Names(9)},
        {"a length shorter than the text",
         {.users = {"Annabel"}, .returnedLength = 4},
         Names(0, {"Palm - Anna"})},
        {"a length counting the terminator",
         {.users = {"Anna"}, .returnedLength = 5},
         Names(0, {"Palm - Anna"}),
         {"C:\\Lunea\\", "D:\\Data\\Anna-\\"}},
        {"a length past the buffer",
         {.users = {"Anna"}, .returnedLength = 1000},
         Names(0, {"Palm - Anna"})},
        {"no terminator",
         {.users = {"A"}, .returnedLength = 0xFFFF, .unterminated = true},
         {"Lunea", "Palm - " + filled},
         {"C:\\Lunea\\", "D:\\Data\\" + filled + "\\"}},
    };
    for (Case& test : cases) {
        SCOPED_TRACE(test.what);
        const UserList users = Build(test.world);
        EXPECT_EQ(users.names, test.names);
        if (!test.folders.empty()) {
            EXPECT_EQ(users.folders, test.folders);
        }
        // No organiser folder: not even "\UserData.dll" is tried.
        const bool loaded = !test.world.desktopPath.empty();
        EXPECT_EQ(test.world.loaded, std::vector<std::string>(loaded, "C:\\Palm\\UserData.dll"));
        const auto organiserUsers =
            std::count_if(users.names.begin(), users.names.end(),
                          [](auto& name) { return name.starts_with("Palm"); });
        EXPECT_EQ(test.world.calls, loaded && test.world.complete ? 1 + 3 * organiserUsers : 0);
        EXPECT_EQ(test.world.unloaded, loaded);
    }
}

} // namespace
} // namespace lunea
