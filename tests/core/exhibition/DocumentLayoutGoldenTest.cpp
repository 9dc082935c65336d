#include "exhibition/DocumentLayout.h"
#include "exhibition/ExhibitionText.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace lumo {
namespace {

struct GoldenCase {
    const char* folder;
    std::size_t n;
};

const std::vector<GoldenCase> kGoldenCases = {
    {"one_entry", 1},
    {"seven_entries", 7},
};

std::vector<std::string> SurNames(std::size_t n) {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < n; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "%02zu_Sur", i);
        names.emplace_back(name);
    }
    return names;
}

// The navigation part as the build places it: each section after an empty line.
std::string NavigationText(std::size_t n, const std::vector<std::string>& names) {
    std::string text;
    AppendNavigationPart(text, n, names);
    return text;
}

TEST(DocumentLayoutGolden, NavigationPartMatchesExpectedText) {
    for (const auto& c : kGoldenCases) {
        SCOPED_TRACE(c.folder);
        const std::string expected =
            test::ReadFile(std::string(LUMO_SOURCE_DIR) + "/tests/core/exhibition/golden/layout/" +
                           c.folder + "/expected.txt");
        ASSERT_FALSE(expected.empty());
        EXPECT_EQ(NavigationText(c.n, SurNames(c.n)), expected);
    }
}

} // namespace
} // namespace lumo
