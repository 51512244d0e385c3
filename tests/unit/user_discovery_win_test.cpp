#include "common/unique_win.h"
#include "tests/unit/file_test_support.h"
#include "users/user_discovery_win.h"

#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

namespace lunea {
namespace {

const std::string kOrganiserKey = "Software\\U.S. Robotics\\Pilot Desktop\\Core";
const std::string kServices = "Software\\Microsoft\\Windows CE Services";
const std::string kPartners = kServices + "\\Partners\\";

bool KeyExists(const std::string& path) {
    win::UniqueRegKey key;
    return RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, key.Put()) == ERROR_SUCCESS;
}

// The key itself goes too.
void DeleteKey(const std::string& path) {
    const LONG error = RegDeleteTreeA(HKEY_CURRENT_USER, path.c_str());
    if (error != ERROR_SUCCESS && error != ERROR_FILE_NOT_FOUND)
        ADD_FAILURE() << "cannot delete " << path << ": error " << error;
}

// The tests share one registry: the keys this test writes go again, also
// when it fails, and the partnerships' parent too when the test made it.
class RegistryCleanup {
  public:
    ~RegistryCleanup() {
        DeleteKey("Software\\U.S. Robotics");
        DeleteKey(kPartners + "LuneaTest1");
        DeleteKey(kPartners + "LuneaTest2");
        if (!hadServices_)
            DeleteKey(kServices);
    }

  private:
    const bool hadServices_ = KeyExists(kServices);
};

void SetStrings(const std::string& path, std::vector<std::pair<const char*, std::string>> values) {
    win::UniqueRegKey key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                              nullptr, key.Put(), nullptr),
              ERROR_SUCCESS);
    for (const auto& [name, value] : values)
        ASSERT_EQ(RegSetValueExA(key.Get(), name, 0, REG_SZ,
                                 reinterpret_cast<const BYTE*>(value.c_str()), value.size() + 1),
                  ERROR_SUCCESS);
}

std::string StandIn(const std::string& folder) {
    char path[MAX_PATH] = {};
    const std::string program(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    return program.substr(0, program.find_last_of('\\') + 1) + folder + "\\UserData.dll";
}

TEST(DiscoverUsers, ReadsTheOrganiserLibraryAndThePartnershipKeys) {
    char appData[MAX_PATH] = {};
    ASSERT_EQ(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, 0, appData), S_OK);
    std::string filled; // "Anna" repeated to fill the buffer
    while (filled.size() < 256)
        filled += "Anna";
    struct Case {
        const char* library; // the stand-in's folder beside the tests
        const char* userFile;
        std::vector<std::string> names; // the organiser's users; directories alike
    } cases[] = {
        {"userdata", "Bea Marie|Bea Marie\nAnna|Anna\n", {"Bea Marie", "Anna"}},
        {"userdata", "!unterminated\n!length=1000\nAnna|Anna\n", {filled.substr(0, 256)}},
        {"userdata-incomplete", "Anna|Anna\n", {}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.userFile);
        const RegistryCleanup cleanup;
        testing::ScratchFolder desktop;
        const std::string library = desktop.File("UserData.dll");
        ASSERT_TRUE(CopyFileA(StandIn(test.library).c_str(), library.c_str(), TRUE));
        std::ofstream(desktop.File("UserData.txt")) << test.userFile;
        const std::string desktopPath = desktop.File(""); // ends with a backslash
        SetStrings(kOrganiserKey, {{"DesktopPath", desktopPath.substr(0, desktopPath.size() - 1)},
                                   {"Path", "D:\\Palm"}});
        SetStrings(kPartners + "LuneaTest1", {{"DisplayName", "Phone"}, {"DataFolder", "\\Sync"}});
        SetStrings(kPartners + "LuneaTest2", {{"DisplayName", "Tab"}, {"DataFolder", "E:\\Tab"}});

        const UserList users = DiscoverUsers("C:\\Lunea");

        std::vector<std::string> names{"Lunea"}, folders{"C:\\Lunea\\"};
        for (const std::string& name : test.names) {
            names.push_back("Palm - " + name);
            folders.push_back("D:\\Palm\\" + name + "\\");
        }
        names.insert(names.end(), {"PPC - Phone", "PPC - Tab"});
        folders.insert(folders.end(), {std::string(appData) + "\\Sync\\", "E:\\Tab\\"});
        EXPECT_EQ(users.names, names);
        EXPECT_EQ(users.folders, folders);
        EXPECT_EQ(GetModuleHandleA(library.c_str()), nullptr) << "the library stays loaded";
    }
}

} // namespace
} // namespace lunea
