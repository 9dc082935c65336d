#include "source/SourceSurvey.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumo {
namespace {

using test::TempDir;
using test::WriteFile;
using Paths = std::vector<std::string>;

Paths PathsOf(const std::string& document) {
    return SurveySource(document, 0).data.paths;
}

TEST(SurveyDataPaths, JoinsEachElementsPathToTheDocumentFolder) {
    struct Case {
        const char* name;
        std::string body;
        Paths relative;
    };
    const std::vector<Case> cases = {
        {"backslashes separate folders",
         R"(<data><file path="slices\" /></data><data><file path="sub\x.dat" /></data>)",
         {"slices/", "sub/x.dat"}},
        {"element split over lines",
         "<data name=\"a\"\n>\n<file\npath=\"a.dat\" />\n</data>",
         {"a.dat"}},
        {"only the first path counts",
         R"(<data><file path="1.dat" /><file path="2.dat" /></data>)",
         {"1.dat"}},
        {"self-closing element runs to the next end",
         R"(<data path="1.dat" /><data><file path="2.dat" /></data>)",
         {"1.dat"}},
        {"tag names that begin with data", R"(<dataSet><file path="s.dat" /></data>)", {"s.dat"}},
        {"different elements naming one file",
         R"(<data n="1" path="x.dat"></data><data n="2" path="x.dat"></data>)",
         {"x.dat", "x.dat"}},
        {"element without an end", R"(<data path="x.dat" />)", {}},
        {"case matters", R"(<DATA path="x.dat"></DATA><data PATH="y.dat"></data>)", {""}},
    };
    TempDir dir;
    const std::string document = dir / "scene.tsd";
    for (const Case& c : cases) {
        WriteFile(document, c.body);
        Paths expected;
        for (const std::string& path : c.relative) {
            expected.push_back(dir.folder() + test::Native(path));
        }
        EXPECT_EQ(PathsOf(document), expected) << c.name;
    }
}

TEST(SurveyDataPaths, TakesAtMostTheFirstHundredDistinctElements) {
    TempDir dir;
    std::string body;
    Paths expected;
    for (int i = 0; i < 101; ++i) {
        const std::string element = std::string("<data name=\"d") + std::to_string(i) +
                                    "\" path=\"" + std::to_string(i) +
                                    ".dat\" />"
                                    "</data>\r\n";
        body += element;
        if (i % 10 == 0) {
            body += element;
        }
        if (i < 100) {
            expected.push_back(dir.folder() + std::to_string(i) + ".dat");
        }
    }
    WriteFile(dir / "scene.tsd", body);
    EXPECT_EQ(PathsOf(dir / "scene.tsd"), expected);
}

TEST(SurveyDataPaths, MissingDocumentGivesNoPaths) {
    TempDir dir;
    EXPECT_TRUE(PathsOf(dir / "missing.tsd").empty());
}

} // namespace
} // namespace lumo
