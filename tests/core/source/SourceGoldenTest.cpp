#include "source/DrawGroupRewriter.h"
#include "source/SourceSurvey.h"

#include "support/ScopedEnv.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace lumo {
namespace {

// One folder per case: input.tsd and the outputs expected from it. Data paths are
// listed one a line with {folder} standing for the case's own folder.
struct GoldenCase {
    const char* folder;
    int prefix;
};

const GoldenCase kCases[] = {
    {"rewrite-prefixes-names-and-references", 3},
    {"data-repeats-folders-and-empty-values", 0},
    {"cp932-japanese", 5},
};

std::vector<std::string> ExpectedPaths(const std::string& listing, const std::string& folder) {
    std::vector<std::string> paths;
    std::size_t begin = 0;
    while (begin < listing.size()) {
        std::size_t end = listing.find('\n', begin);
        std::string line = listing.substr(begin, end - begin);
        line = folder + test::Native(line.substr(std::string("{folder}").size()));
        paths.push_back(line);
        begin = end == std::string::npos ? listing.size() : end + 1;
    }
    return paths;
}

TEST(SourceGolden, DocumentsGiveTheExpectedPathsFragmentsAndTopGroup) {
    const test::ScopedEnv legacy("LUMO_ANSI_CODEPAGE", "CP932");
    for (const GoldenCase& c : kCases) {
        SCOPED_TRACE(c.folder);
        const std::filesystem::path dir =
            std::filesystem::path(LUMO_SOURCE_DIR) / "tests/core/source/golden" / c.folder;
        const std::string document = (dir / "input.tsd").string();
        ASSERT_TRUE(std::filesystem::exists(document));
        int checked = 0;

        if (std::filesystem::exists(dir / "expected-data-paths.txt")) {
            const std::string listing = test::ReadFile(dir / "expected-data-paths.txt");
            EXPECT_EQ(SurveySource(document, 0).data.paths,
                      ExpectedPaths(listing, dir.string() + test::kSeparator));
            ++checked;
        }
        if (std::filesystem::exists(dir / "expected-fragments.txt")) {
            std::string text = "head\n";
            std::vector<std::string> topGroups{"earlier"};
            AppendEntryFragments(text, ExhibitionEntry{document, {}, {}, {}}, c.prefix, topGroups);
            EXPECT_EQ(text, std::string("head\n") + test::ReadFile(dir / "expected-fragments.txt"));
            EXPECT_EQ(topGroups, (std::vector<std::string>{
                                     "earlier", test::ReadFile(dir / "expected-top-group.txt")}));
            ++checked;
        }
        EXPECT_GT(checked, 0);
    }
}

} // namespace
} // namespace lumo
