#include "common/data_folder.h"

#include "common/memory_registry_key.h"

#include <gtest/gtest.h>

#include <string>

namespace lunea {
namespace {

enum class Stored { Nothing, String, Expandable, Number };

struct FolderCase {
    const char* what;
    Stored type;
    std::string value;
    const char* appData;
    DataFolderOutcome outcome;
    std::string folder;
};

// A leading "%HOME%" expands to D:\Home; "%NONE%" fails.
std::optional<std::string> Expand(const std::string& text) {
    if (text.starts_with("%NONE%"))
        return std::nullopt;
    return text.starts_with("%HOME%") ? "D:\\Home" + text.substr(6) : text;
}

DataFolder Read(const FolderCase& c) {
    MemoryRegistryKey key;
    if (c.type == Stored::String)
        key.WriteString("DataFolder", c.value);
    else if (c.type == Stored::Expandable)
        key.PutExpandable("DataFolder", c.value);
    else if (c.type == Stored::Number)
        key.PutNonString("DataFolder");
    return ReadDataFolder(key, PathEnvironment{c.appData, Expand});
}

TEST(ReadDataFolder, OneRuleForEveryKindOfValue) {
    using enum DataFolderOutcome;
    // The data file's path is the folder plus "Lunea.dat": a folder of 250
    // characters gives the longest path the file calls take.
    const std::string longest = "D:\\" + std::string(246, 'a');
    const FolderCase cases[] = {
        {"no value", Stored::Nothing, "", "C:\\AppData", Missing, ""},
        {"an empty value", Stored::String, "", "C:\\AppData", Missing, ""},
        {"a number", Stored::Number, "", "C:\\AppData", NotText, ""},
        {"a full path", Stored::String, "D:\\Journal", "unused", Found, "D:\\Journal\\"},
        {"a trailing backslash kept", Stored::String, "D:\\J\\", "", Found, "D:\\J\\\\"},
        {"under the application data", Stored::String, "\\Partner 1", "C:\\AppData", Found,
         "C:\\AppData\\Partner 1\\"},
        {"one backslash of the application data dropped", Stored::String, "\\P", "C:\\AD\\", Found,
         "C:\\AD\\P\\"},
        {"no application data folder", Stored::String, "\\P", "", Relative, ""},
        {"relative to the working directory", Stored::String, "Tablet", "C:\\AD", Relative, ""},
        {"relative to a drive's directory", Stored::String, "C:Tablet", "C:\\AD", Relative, ""},
        {"a parent folder", Stored::String, "..\\Tablet", "C:\\AD", Relative, ""},
        {"expanded", Stored::Expandable, "%HOME%\\Sync", "C:\\AD", Found, "D:\\Home\\Sync\\"},
        {"expanded, then under the application data", Stored::Expandable, "\\Sync", "C:\\AD", Found,
         "C:\\AD\\Sync\\"},
        {"an expansion that fails", Stored::Expandable, "%NONE%\\S", "C:\\AD", NotText, ""},
        {"the longest path", Stored::String, longest, "", Found, longest + "\\"},
        {"one character more", Stored::String, longest + "b", "", TooLong, ""},
        {"too long once expanded", Stored::Expandable, "%HOME%" + std::string(250, 'c'), "",
         TooLong, ""},
        {"too long with the application data", Stored::String, "\\" + std::string(240, 'd'),
         "C:\\Users\\someone\\AppData", TooLong, ""},
    };
    for (const FolderCase& c : cases) {
        SCOPED_TRACE(c.what);
        const DataFolder read = Read(c);
        EXPECT_EQ(read.outcome, c.outcome);
        EXPECT_EQ(read.folder, c.folder);
    }
}

} // namespace
} // namespace lunea
