#include "common/data_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lunea {
namespace {

struct FolderCase {
    std::optional<std::string> value;
    const char* appData;
    const char* folder;
    bool underAppData;
};

TEST(ResolveDataFolder, FolderRulesAndTheDataFileInTheFolder) {
    const FolderCase cases[] = {
        {std::nullopt, "C:\\Users\\a\\AppData", "C:\\", false}, // unreadable: drive C's root
        {"D:\\Journal", "unused", "D:\\Journal\\", false},
        {"D:\\Journal\\", "unused", "D:\\Journal\\\\", false}, // a backslash appended regardless
        {"", "C:\\AppData", "\\", false},
        {"\\Partner 1", "C:\\AppData", "C:\\AppData\\Partner 1\\", true},
        {"\\P", "C:\\AppData\\\\", "C:\\AppData\\\\P\\", true}, // one backslash dropped
    };
    for (const FolderCase& c : cases) {
        SCOPED_TRACE(c.value.value_or("(unreadable)"));
        EXPECT_EQ(IsUnderAppData(c.value), c.underAppData);
        EXPECT_EQ(ResolveDataFolder(c.value, c.appData), c.folder);
        EXPECT_EQ(BuildDataFilePath(c.value, c.appData), std::string(c.folder) + "Lunea.dat");
    }
}

std::vector<std::uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

TEST(DataFolderFromValueBytes, ReadsWithinTheBufferWhateverTheValueHolds) {
    EXPECT_EQ(DataFolderFromValueBytes(Bytes(std::string("D:\\J\0junk", 9))), "D:\\J");
    EXPECT_EQ(DataFolderFromValueBytes({}), "");
    // A number or a string stored without its NUL ends with the data.
    EXPECT_EQ(DataFolderFromValueBytes(std::vector<std::uint8_t>{0x41, 0x42, 0x43, 0x44}), "ABCD");
    // 519 characters and their NUL fill the buffer exactly.
    EXPECT_EQ(DataFolderFromValueBytes(Bytes(std::string(519, 'a') + '\0')), std::string(519, 'a'));
    // A full buffer without a NUL is cut to make room for the terminator.
    EXPECT_EQ(DataFolderFromValueBytes(Bytes(std::string(520, 'b'))), std::string(519, 'b'));
    EXPECT_FALSE(DataFolderFromValueBytes(Bytes(std::string(521, 'c'))));
}

} // namespace
} // namespace lunea
