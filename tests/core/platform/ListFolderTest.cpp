#include "platform/ListFolder.h"
#include "platform/PathText.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace lumo {
namespace {

using test::TempDir;
using test::WriteFile;

std::vector<std::string> Prefixed(const std::string& prefix,
                                  const std::vector<std::string>& names) {
    std::vector<std::string> paths;
    for (const std::string& name : names) {
        paths.push_back(prefix + name);
    }
    return paths;
}

TEST(ListFolderTest, SortsMatchesByUtf16CodeUnits) {
    struct Case {
        const char* name;
        std::vector<std::string> files;
        std::vector<std::string> folders;
        std::string wildcard;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases = {
        {"dot entries, case-sensitive order",
         {"B.txt", "a.txt"},
         {"C"},
         "*",
         {".", "..", "B.txt", "C", "a.txt"}},
        // U+1F600 is a surrogate pair in UTF-16 and so sorts before U+FF5E, though its
        // UTF-8 bytes sort after.
        {"above U+FFFF",
         {"\uFF5E.txt", "\U0001F600.txt", "z.txt"},
         {},
         "*.txt",
         {"z.txt", "\U0001F600.txt", "\uFF5E.txt"}},
        {"prefix wildcard",
         {"ab.txt", "a", "ba.txt", "A.txt"},
         {"ac"},
         "a*",
         {"a", "ab.txt", "ac"}},
        {"star inside the name",
         {"x1.obj", "x22.obj", "x.mtl", "xobj"},
         {},
         "x*.obj",
         {"x1.obj", "x22.obj"}},
        {"star-less name", {"one.txt", "one.txt.bak"}, {}, "one.txt", {"one.txt"}},
        {"no wildcard name", {"one.txt"}, {}, "", {}},
        {"nothing matches", {"one.txt"}, {}, "q*", {}},
    };
    for (const Case& c : cases) {
        TempDir temp;
        for (const std::string& file : c.files) {
            WriteFile(temp / file, "x");
        }
        for (const std::string& folder : c.folders) {
            std::filesystem::create_directory(PathFromUtf8(temp / folder));
        }
        EXPECT_EQ(ListFolder(temp.folder() + c.wildcard), Prefixed(temp.folder(), c.expected))
            << c.name;
    }
}

TEST(ListFolderTest, MatchesAFolderNameBesideItsSiblings) {
    TempDir temp;
    std::filesystem::create_directory(temp.path() / "slices");
    WriteFile(temp.path() / "slices.txt", "x");
    WriteFile(temp.path() / "slices/inner.txt", "x");
    EXPECT_EQ(ListFolder(temp / "slices*"), Prefixed(temp.folder(), {"slices", "slices.txt"}));
}

TEST(ListFolderTest, MissingFolderGivesNothing) {
    TempDir temp;
    EXPECT_TRUE(ListFolder(temp / "missing/*").empty());
    WriteFile(temp.path() / "file", "x");
    EXPECT_TRUE(ListFolder(temp / "file/*").empty());
}

TEST(ListFolderTest, LongPatternsAreListed) {
    TempDir temp;
    const std::string name(200, 'n');
    std::filesystem::create_directories(temp.path() / name / name);
    WriteFile(temp.path() / name / name / "f.txt", "x");
    const std::string folder = temp.folder() + name + test::kSeparator + name + test::kSeparator;
    EXPECT_EQ(ListFolder(folder + "*.txt"), std::vector<std::string>{folder + "f.txt"});
}

} // namespace
} // namespace lumo
