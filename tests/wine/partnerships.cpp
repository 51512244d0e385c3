#include "tests/wine/partnerships.h"

#include "tests/wine/program_harness.h"

#include <windows.h>

#include <fstream>

namespace lunea::test {
namespace {

constexpr char kPartnersKey[] = "Software\\Microsoft\\Windows CE Services\\Partners";
constexpr char kOrganiserKey[] = "Software\\U.S. Robotics\\Pilot Desktop\\Core";

void SetString(const std::string& key, const char* name, const std::string& value) {
    RegSetKeyValueA(HKEY_CURRENT_USER, key.c_str(), name, REG_SZ, value.c_str(),
                    static_cast<DWORD>(value.size() + 1));
}

void RemoveFolder(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveFolder(folder + name + "\\");
            else
                DeleteFileA((folder + name).c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

} // namespace

std::string ScratchFolder(const std::string& name) {
    return BinaryFolder() + "test-users\\" + name + "\\";
}

TestUsers::TestUsers(std::vector<Partner> partners, std::vector<std::string> organiserUsers)
    : partners_(std::move(partners)), root_(BinaryFolder() + "test-users\\") {
    RegDeleteTreeA(HKEY_CURRENT_USER, kPartnersKey);
    RegDeleteTreeA(HKEY_CURRENT_USER, kOrganiserKey);
    CreateDirectoryA(root_.c_str(), nullptr);
    for (const Partner& partner : partners_) {
        const std::string key = std::string(kPartnersKey) + "\\" + partner.key;
        SetString(key, "DisplayName", partner.displayName);
        SetString(key, "DataFolder", partner.folder.substr(0, partner.folder.size() - 1));
        if (partner.createFolder)
            CreateDirectoryA(partner.folder.c_str(), nullptr);
    }
    if (organiserUsers.empty())
        return;
    const std::string library = ScratchFolder("organiser");
    CreateDirectoryA(library.c_str(), nullptr);
    CopyFileA((BinaryFolder() + "userdata\\UserData.dll").c_str(),
              (library + "UserData.dll").c_str(), FALSE);
    std::ofstream list(library + "UserData.txt");
    for (const std::string& user : organiserUsers)
        list << user << "\n";
    SetString(kOrganiserKey, "DesktopPath", library.substr(0, library.size() - 1));
    SetString(kOrganiserKey, "Path", root_.substr(0, root_.size() - 1));
}

TestUsers::~TestUsers() {
    RegDeleteTreeA(HKEY_CURRENT_USER, kPartnersKey);
    RegDeleteTreeA(HKEY_CURRENT_USER, kOrganiserKey);
    RemoveFolder(root_);
}

std::string TestUsers::DataFileOf(std::size_t partner) const {
    return partners_.at(partner).folder + "Lunea.dat";
}

} // namespace lunea::test
