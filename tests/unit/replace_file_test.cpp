#include "common/replace_file.h"
#include "tests/unit/file_test_support.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace lunea
