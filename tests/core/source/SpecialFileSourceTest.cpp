#include "source/DrawGroupRewriter.h"
#include "source/SourceReader.h"
#include "source/SourceSurvey.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

namespace lumo {
namespace {

// A scene document path that names no regular file reads as an empty document, at once:
// a named pipe without a writer would block, /dev/zero would never end.
TEST(SpecialFileSource, ReadsAsAnEmptyDocument) {
    test::TempDir dir;
    const std::string pipe = dir / "pipe.tsd";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const std::string endless = dir / "zero.tsd";
    std::filesystem::create_symlink("/dev/zero", endless);
    const std::string folder = dir / "folder.tsd";
    std::filesystem::create_directory(folder);

    for (const std::string& path : {pipe, endless, folder}) {
        LineList lines;
        ReadSourceLines(path, lines);
        EXPECT_TRUE(lines.empty()) << path;
        EXPECT_TRUE(SurveySource(path, 0).data.paths.empty()) << path;

        std::string text;
        std::vector<std::string> topGroupNames;
        AppendEntryFragments(text, ExhibitionEntry{path, {}, {}, {}}, 0, topGroupNames);
        EXPECT_EQ(text, "") << path;
        EXPECT_EQ(topGroupNames, std::vector<std::string>{""}) << path;
    }
}

} // namespace
} // namespace lumo
