#include "common/replace_file.h"
#include "common/temporary_names.h"
#include "common/write_all.h"
#include "tests/unit/file_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>

namespace lunea {
namespace {

using testing::FaultAt;

struct ReplaceCase {
    FaultAt fault;
    bool replaced;
    std::optional<std::string> failureText; // only after the temporary file was opened
};

TEST(WriteFileReplacing, ReplacesInOneStepOrLeavesTheOldFileWholeAndNoTemporaryFile) {
    const std::vector<std::uint8_t> before = {1, 2, 3}, after = {4, 5, 6, 7};
    const ReplaceCase cases[] = {
        {FaultAt::Nothing, true, std::nullopt},
        {FaultAt::CreateTemporary, false, std::nullopt},
        {FaultAt::Write, false, "Injected failure."},
        {FaultAt::Flush, false, "Injected failure."},
        {FaultAt::Close, false, "Injected failure."},
        {FaultAt::Replace, false, "Injected failure."},
    };
    for (const ReplaceCase& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.fault));
        testing::ScratchFolder folder;
        const std::string target = folder.File("target.dat");
        testing::WriteBytes(target, before);
        testing::FaultyFileSystem files{c.fault};

        const ReplaceResult result = WriteFileReplacing(files, target, after);

        EXPECT_EQ(result.replaced, c.replaced);
        EXPECT_EQ(result.failureText, c.failureText);
        EXPECT_EQ(testing::ReadBytes(target), c.replaced ? after : before);
        EXPECT_EQ(folder.Entries(), std::vector<std::string>{"target.dat"});
    }
}

TEST(WriteFileReplacing, RemovesTheTemporaryFilesOfWritersThatAreGone) {
    testing::ScratchFolder folder;
    const std::string target = folder.File("target.dat");
    // Our own id: this process holds none open between two saves; the other
    // id is beyond any process table.
    const unsigned long ownId = [&] {
        testing::FaultyFileSystem files{FaultAt::Nothing};
        std::string path;
        static_cast<void>(files.CreateTemporaryBeside(target, path));
        std::filesystem::remove(path);
        return *TemporaryOwner("target.dat", std::filesystem::path(path).filename().string());
    }();
    const std::vector<std::string> left = {TemporaryPath("target.dat", ownId, 7),
                                           TemporaryPath("target.dat", 0x7FFFFFF0ul, 0)};
    const std::vector<std::string> others = {"other.dat.1-0.tmp", "target.dat.notes.tmp"};
    for (const std::string& name : left)
        testing::WriteBytes(folder.File(name), {1});
    for (const std::string& name : others)
        testing::WriteBytes(folder.File(name), {1});

    testing::FaultyFileSystem files{FaultAt::Nothing};
    ASSERT_TRUE(WriteFileReplacing(files, target, std::vector<std::uint8_t>{4}).replaced);
    std::vector<std::string> entries = folder.Entries();
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, (std::vector<std::string>{"other.dat.1-0.tmp", "target.dat",
                                                 "target.dat.notes.tmp"}));
}

TEST(TemporaryNames, OnlyATargetsOwnTemporaryNamesGiveTheirWriter) {
    EXPECT_EQ(TemporaryPath("C:\\x\\Lunea.dat", 12, 3), "C:\\x\\Lunea.dat.12-3.tmp");
    const std::pair<const char*, std::optional<unsigned long>> cases[] = {
        {"Lunea.dat.12-3.tmp", 12},
        {"Lunea.dat.12-.tmp", std::nullopt},
        {"Lunea.dat.-3.tmp", std::nullopt},
        {"Lunea.dat.12-3.tmp.tmp", std::nullopt},
        {"Lunea.dat.recovered", std::nullopt},
        {"Other.dat.12-3.tmp", std::nullopt},
        {"Lunea.dat12-3.tmp", std::nullopt}};
    for (const auto& [name, owner] : cases)
        EXPECT_EQ(TemporaryOwner("Lunea.dat", name), owner) << name;
}

TEST(WriteAll, GoesOnAfterShortWritesAndStopsOnOneThatWritesNothing) {
    const std::vector<std::uint8_t> bytes(10, 7);
    struct Case {
        std::vector<std::optional<std::size_t>> answers; // what each write reports
        WriteAllResult result;
        std::size_t calls;
    };
    const Case cases[] = {
        {{10}, WriteAllResult::Written, 1},
        {{3, 3, 4}, WriteAllResult::Written, 3},
        {{3, 0, 7}, WriteAllResult::Stalled, 2},
        {{3, std::nullopt}, WriteAllResult::Failed, 2},
    };
    for (const Case& c : cases) {
        std::size_t calls = 0;
        const WriteAllResult result =
            WriteAll(bytes.data(), bytes.size(),
                     [&](const void*, std::size_t) { return c.answers.at(calls++); });
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(calls, c.calls);
    }
}

} // namespace
} // namespace lunea
