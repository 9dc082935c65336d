#include "platform/FileCopy.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace lumo {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

// Files whose content the kernel generates report no size and cannot be range-copied;
// the buffered loop must still copy them to the end.
TEST(FileCopyTest, CopiesGeneratedFilesThroughTheBufferedLoop) {
    if (!std::filesystem::exists("/proc/version")) {
        GTEST_SKIP() << "no /proc";
    }
    TempDir temp;
    ASSERT_TRUE(CopyFileReplacing("/proc/version", temp / "version"));
    const std::string copied = ReadFile(temp / "version");
    EXPECT_FALSE(copied.empty());
    EXPECT_EQ(copied, ReadFile("/proc/version"));
}

TEST(FileCopyTest, TakesThePermissionBitsOfTheSource) {
    TempDir temp;
    WriteFile(temp / "tool.sh", "#!/bin/sh\n");
    std::filesystem::permissions(temp / "tool.sh", std::filesystem::perms(0750));
    ASSERT_TRUE(CopyFileReplacing(temp / "tool.sh", temp / "copy.sh"));
    EXPECT_EQ(std::filesystem::status(temp / "copy.sh").permissions(),
              std::filesystem::perms(0750));
}

TEST(FileCopyTest, NeverWritesThroughASymbolicLink) {
    TempDir temp;
    WriteFile(temp / "source.bin", "content");
    WriteFile(temp / "elsewhere.txt", "kept");
    std::filesystem::create_symlink(temp.path() / "elsewhere.txt", temp.path() / "link.txt");
    EXPECT_FALSE(CopyFileReplacing(temp / "source.bin", temp / "link.txt"));
    EXPECT_EQ(ReadFile(temp / "elsewhere.txt"), "kept");
}

} // namespace
} // namespace lumo
