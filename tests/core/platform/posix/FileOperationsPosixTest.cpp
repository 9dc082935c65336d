#include "platform/FileOperations.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace lumo {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

// Links inside a tree being removed lead out of it: they go, what they lead to stays.
TEST(FileOperationsPosixTest, RemovingATreeNeverFollowsALink) {
    TempDir temp;
    WriteFile(temp / "outside/kept.txt", "kept");
    WriteFile(temp / "tree/inner/file.txt", "file");
    std::filesystem::create_directory_symlink(temp.path() / "outside", temp.path() / "tree/folder");
    std::filesystem::create_symlink(temp.path() / "outside/kept.txt",
                                    temp.path() / "tree/inner/file");
    EXPECT_EQ(KindAt(temp / "tree/folder"), PathKind::Link);

    EXPECT_TRUE(RemoveTree(temp / "tree").ok());
    EXPECT_EQ(KindAt(temp / "tree"), PathKind::Missing);
    EXPECT_EQ(ReadFile(temp / "outside/kept.txt"), "kept");

    // A link given as the tree itself is removed as a link.
    std::filesystem::create_directory_symlink(temp.path() / "outside", temp.path() / "alias");
    EXPECT_TRUE(RemoveTree(temp / "alias").ok());
    EXPECT_EQ(ReadFile(temp / "outside/kept.txt"), "kept");
}

} // namespace
} // namespace lumo
