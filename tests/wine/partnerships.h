#pragma once
// Users a whole-program test sets up for the calendar to find: partnership
// keys in Wine's registry, each with a data folder, and the stand-in
// organiser library with its users. Everything is removed again.
#include <string>
#include <vector>

namespace lunea::test {

struct Partner {
    std::string key;         // the partnership's subkey name
    std::string displayName; // shown as "PPC - " + displayName
    std::string folder;      // full path, ending in a backslash
    bool createFolder = true;
};

class TestUsers {
  public:
    // organiserUsers: "name|directory" lines for the stand-in library; none
    // leaves the organiser out.
    TestUsers(std::vector<Partner> partners, std::vector<std::string> organiserUsers = {});
    ~TestUsers();
    TestUsers(const TestUsers&) = delete;
    TestUsers& operator=(const TestUsers&) = delete;

    const std::vector<Partner>& Partners() const { return partners_; }
    std::string DataFileOf(std::size_t partner) const;

  private:
    std::vector<Partner> partners_;
    std::string root_;
};

// A folder of the tests' own beside the program, ending in a backslash.
std::string ScratchFolder(const std::string& name);

} // namespace lunea::test
