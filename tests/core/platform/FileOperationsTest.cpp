#include "platform/FileOperations.h"
#include "platform/FileIdentity.h"
#include "platform/FileLock.h"
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

// A folder with a file, a folder holding a file, and an empty folder.
void MakeTree(const TempDir& temp) {
    WriteFile(temp / "file.txt", "file");
    WriteFile(temp / test::Native("folder/inner.txt"), "inner");
    std::filesystem::create_directory(temp.path() / "empty");
}

TEST(FileOperationsTest, FailuresSayWhatAndWhy) {
    struct Case {
        const char* name;
        std::function<FileResult(const TempDir&)> step;
        FileFailure failure;
    };
    const std::vector<Case> cases = {
        {"move of nothing", [](const TempDir& t) { return MovePath(t / "none", t / "x"); },
         FileFailure::Missing},
        {"move onto a file",
         [](const TempDir& t) { return MovePath(t / "folder", t / "file.txt"); },
         FileFailure::Exists},
        {"move onto an empty folder",
         [](const TempDir& t) { return MovePath(t / "file.txt", t / "empty"); },
         FileFailure::Exists},
        {"move of a folder onto an empty one",
         [](const TempDir& t) { return MovePath(t / "folder", t / "empty"); }, FileFailure::Exists},
        {"replace by nothing",
         [](const TempDir& t) { return MoveFileOver(t / "none", t / "file.txt"); },
         FileFailure::Missing},
        {"link to nothing", [](const TempDir& t) { return LinkFile(t / "none", t / "x"); },
         FileFailure::Missing},
        {"link onto a file",
         [](const TempDir& t) {
             return LinkFile(t / "file.txt", t / test::Native("folder/inner.txt"));
         },
         FileFailure::Exists},
        {"folder that exists", [](const TempDir& t) { return MakeFolder(t / "empty"); },
         FileFailure::Exists},
        {"folder where a file is", [](const TempDir& t) { return MakeFolder(t / "file.txt"); },
         FileFailure::Exists},
        {"folder in nothing",
         [](const TempDir& t) { return MakeFolder(t / test::Native("none/x")); },
         FileFailure::Missing},
        {"new file where one is",
         [](const TempDir& t) { return WriteNewFile(t / "file.txt", "other"); },
         FileFailure::Exists},
        {"flush of nothing", [](const TempDir& t) { return FlushTree(t / "none"); },
         FileFailure::Missing},
        {"flush of no folder", [](const TempDir& t) { return FlushFolder(t / "none"); },
         FileFailure::Missing},
        {"copy of nothing",
         [](const TempDir& t) { return CopyFileWithReason(t / "none", t / "x"); },
         FileFailure::Missing},
    };
    for (const Case& c : cases) {
        TempDir temp;
        MakeTree(temp);
        const FileResult result = c.step(temp);
        EXPECT_EQ(result.failure, c.failure) << c.name;
        EXPECT_FALSE(result.reason.empty()) << c.name;
        EXPECT_EQ(ReadFile(temp / "file.txt"), "file") << c.name;
        EXPECT_EQ(ReadFile(temp / test::Native("folder/inner.txt")), "inner") << c.name;
        EXPECT_EQ(KindAt(temp / "empty"), PathKind::Folder) << c.name;
    }
}

TEST(FileOperationsTest, StepsDoWhatTheySay) {
    TempDir temp;
    MakeTree(temp);
    EXPECT_TRUE(MovePath(temp / "folder", temp / "moved").ok());
    EXPECT_EQ(ReadFile(temp / test::Native("moved/inner.txt")), "inner");
    EXPECT_EQ(KindAt(temp / "folder"), PathKind::Missing);

    WriteFile(temp / "new.txt", "new");
    EXPECT_TRUE(MoveFileOver(temp / "new.txt", temp / "file.txt").ok());
    EXPECT_EQ(ReadFile(temp / "file.txt"), "new");
    EXPECT_EQ(KindAt(temp / "new.txt"), PathKind::Missing);

    EXPECT_TRUE(LinkFile(temp / "file.txt", temp / "link.txt").ok());
    EXPECT_EQ(IdentityOf(temp / "link.txt"), IdentityOf(temp / "file.txt"));

    EXPECT_TRUE(WriteNewFile(temp / "written.txt", "written").ok());
    EXPECT_EQ(ReadFile(temp / "written.txt"), "written");
    EXPECT_TRUE(FlushFolder(Utf8FromPath(temp.path())).ok());
    std::filesystem::permissions(temp.path() / "written.txt", std::filesystem::perms::owner_read);
    EXPECT_TRUE(FlushTree(Utf8FromPath(temp.path())).ok());
    EXPECT_TRUE(RemoveTree(temp / "moved").ok());
    EXPECT_TRUE(RemoveTree(temp / "written.txt").ok());
    EXPECT_TRUE(RemoveTree(temp / "never there").ok());
    EXPECT_EQ(KindAt(temp / "moved"), PathKind::Missing);
    EXPECT_EQ(KindAt(temp / "written.txt"), PathKind::Missing);
    EXPECT_EQ(KindAt(temp / "link.txt"), PathKind::File);
}

TEST(FileLockTest, OneHolderAtATime) {
    TempDir temp;
    const std::string path = temp / "lock";
    FileLock first;
    ASSERT_TRUE(first.create(path, "content").ok());
    EXPECT_TRUE(first.held());

    FileLock second;
    EXPECT_EQ(second.create(path, "other").failure, FileFailure::Exists);
    EXPECT_EQ(second.acquire(path).failure, FileFailure::InUse);
    EXPECT_FALSE(second.held());

    // A holder that lets go without removing the file is one whose process ended.
    first.release();
    ASSERT_TRUE(second.acquire(path).ok());
    EXPECT_EQ(second.contents(), "content");
    EXPECT_EQ(first.acquire(path).failure, FileFailure::InUse);

    EXPECT_TRUE(second.remove().ok());
    EXPECT_EQ(KindAt(path), PathKind::Missing);
    EXPECT_EQ(first.acquire(path).failure, FileFailure::Missing);
    EXPECT_TRUE(std::filesystem::is_empty(temp.path()));
}

} // namespace
} // namespace lumo
