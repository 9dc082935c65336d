#include "platform/FileCopy.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace lumo {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

// Bytes that differ at every position, so a shifted or repeated chunk shows.
std::string Pattern(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>((i * 131 + i / 4096) & 0xFF);
    }
    return bytes;
}

TEST(FileCopyTest, CopiesContentOfEverySize) {
    // Sizes around the copy loop's chunk boundaries, and an empty file.
    for (const std::size_t size :
         {std::size_t{0}, std::size_t{1}, std::size_t{1} << 20, (std::size_t{5} << 20) + 7}) {
        TempDir temp;
        const std::string content = Pattern(size);
        WriteFile(temp / "source.bin", content);
        std::vector<std::uint64_t> reports;
        ASSERT_TRUE(CopyFileReplacing(temp / "source.bin", temp / "target.bin",
                                      [&](std::uint64_t bytes) { reports.push_back(bytes); }))
            << size;
        EXPECT_EQ(ReadFile(temp / "target.bin"), content) << size;
        if (size > 0) {
            ASSERT_FALSE(reports.empty()) << size;
            EXPECT_EQ(reports.back(), size);
            EXPECT_TRUE(std::is_sorted(reports.begin(), reports.end()));
        }
    }
}

TEST(FileCopyTest, ReplacesALongerTarget) {
    TempDir temp;
    WriteFile(temp / "source.bin", "short");
    WriteFile(temp / "target.bin", Pattern(100000));
    ASSERT_TRUE(CopyFileReplacing(temp / "source.bin", temp / "target.bin"));
    EXPECT_EQ(ReadFile(temp / "target.bin"), "short");
}

TEST(FileCopyTest, FailsWithoutHarm) {
    struct Case {
        const char* name;
        std::string source;
        std::string target;
    };
    TempDir temp;
    WriteFile(temp / "source.bin", "content");
    WriteFile(temp / "plain", "a file, not a folder");
    WriteFile(temp / "elsewhere.txt", "kept");
    std::filesystem::create_directory(temp / "folder");
    std::filesystem::create_hard_link(temp.path() / "source.bin", temp.path() / "alias.bin");

    const std::vector<Case> cases = {
        {"missing source", temp / "missing.bin", temp / "t1.bin"},
        {"source is a folder", temp / "folder", temp / "t2.bin"},
        {"target parent missing", temp / "source.bin", temp / "nowhere/t3.bin"},
        {"target parent is a file", temp / "source.bin", temp / "plain/t4.bin"},
        {"target is a folder", temp / "source.bin", temp / "folder"},
        {"target is the source", temp / "source.bin", temp / "source.bin"},
        {"target is a hard link to the source", temp / "source.bin", temp / "alias.bin"},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(CopyFileReplacing(c.source, c.target)) << c.name;
    }
    EXPECT_EQ(ReadFile(temp / "source.bin"), "content");
    EXPECT_EQ(ReadFile(temp / "elsewhere.txt"), "kept");
    EXPECT_EQ(ReadFile(temp / "plain"), "a file, not a folder");
    EXPECT_FALSE(std::filesystem::exists(temp / "t1.bin"));
    EXPECT_FALSE(std::filesystem::exists(temp / "t2.bin"));
    EXPECT_TRUE(std::filesystem::is_directory(temp / "folder"));
}

} // namespace
} // namespace lumo
