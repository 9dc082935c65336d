#include "source/DrawGroupRewriter.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumo {
namespace {

using test::TempDir;
using test::WriteFile;
using Names = std::vector<std::string>;

struct Fragments {
    std::string text;
    Names topGroups;
};

Fragments Rewrite(const std::string& body, int prefix) {
    TempDir dir;
    WriteFile(dir / "scene.tsd", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + body);
    Fragments out;
    AppendEntryFragments(out.text, ExhibitionEntry{dir / "scene.tsd", {}, {}, {}}, prefix,
                         out.topGroups);
    return out;
}

std::string Group(const std::string& name) {
    return "<drawGroup name=\"" + name + "\" >\n</drawGroup>\n";
}

TEST(AppendEntryFragments, EachEntryGivesExactlyOneTopGroup) {
    struct Case {
        const char* name;
        std::string body;
        std::string top;
    };
    const std::vector<Case> cases = {
        {"no draw group", "<data name=\"a\" path=\"b.dat\"></data>\n", ""},
        {"one group without the marker", Group("Main"), "07_Main"},
        {"one marked group", Group("A") + Group("MySurface") + Group("B"), "07_MySurface"},
        {"two marked groups: the first", Group("Sur1") + Group("Sur2"), "07_Sur1"},
        {"the marker is case-sensitive", Group("surface") + Group("x"), "07_surface"},
        {"name taken before prefixing",
         "<drawGroup name=\"Sur\" friendGroup=\"Sur2\" >"
         "</drawGroup>",
         "07_Sur"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Rewrite(c.body, 7).topGroups, Names{c.top}) << c.name;
    }
    TempDir dir;
    Names names;
    std::string text;
    AppendEntryFragments(text, ExhibitionEntry{dir / "missing.tsd", {}, {}, {}}, 0, names);
    EXPECT_EQ(text, "");
    EXPECT_EQ(names, Names{""});
}

TEST(AppendEntryFragments, PrefixesNamesAndReferencesAndMovesDataFirst) {
    struct Case {
        const char* name;
        std::string body;
        int prefix;
        std::string text;
    };
    const std::vector<Case> cases = {
        {"data names and paths", R"(<data name="a" filename="f" ><file path="b.dat" /></data>)", 0,
         "<data name=\"00_a\" filename=\"00_f\" ><file path=\"00\\b.dat\" /></data>\n"},
        {"start tag gets the child group", "<drawGroup name=\"Sur\" >\n</drawGroup>", 12,
         "<drawGroup name=\"12_Sur\" ><childGroup name=\"ex12\" />\n</drawGroup>\n"},
        {"caption without a trailing space stays",
         "<drawGroup name=\"g\" caption=\"ボリュームレンダリング\">\n</drawGroup>", 1,
         "<drawGroup name=\"01_g\" caption=\"ボリュームレンダリング\"><childGroup name=\"ex01\" "
         "/>\n</drawGroup>\n"},
        {"other captions stay; only drawGroup name= is prefixed",
         "<drawGroup caption=\"表示\" name=\"g\" ></drawGroup>", 2,
         "<drawGroup caption=\"表示\" name=\"g\" ><childGroup name=\"ex02\" />"
         "</drawGroup>\n"},
        {"references prefixed, child groups and paths kept",
         "<drawGroup name=\"g\" >\n <drawUnit index_data=\"i\" clipCap_data=\"c\" path=\"p\" />\n"
         " <childGroup name=\"h\" />\n</drawGroup>",
         4,
         "<drawGroup name=\"04_g\" ><childGroup name=\"ex04\" />\n <drawUnit "
         "index_data=\"04_i\" clipCap_data=\"04_c\" path=\"p\" />\n <childGroup name=\"h\" "
         "/>\n</drawGroup>\n"},
        {"data inside a group moves to the data list",
         "<drawGroup name=\"g\" ><data name=\"d\"></data></drawGroup>", 5,
         "<data name=\"05_d\"></data>\n<drawGroup name=\"05_g\" ><childGroup name=\"ex05\" "
         "/></drawGroup>\n"},
        {"identical copies written once, data first",
         Group("g") + "<data name=\"d\"></data>\n" + Group("g"), 6,
         "<data name=\"06_d\"></data>\n<drawGroup name=\"06_g\" ><childGroup name=\"ex06\" "
         "/>\n</drawGroup>\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Rewrite(c.body, c.prefix).text, c.text) << c.name;
    }
}

TEST(AppendEntryFragments, TakesAtMostTheFirstHundredDistinctGroups) {
    std::string body;
    std::string expected;
    for (int i = 0; i < 150; ++i) {
        const std::string number = std::to_string(i % 120);
        body += Group("g" + number);
        if (i < 100) {
            expected += "<drawGroup name=\"09_g" + number +
                        "\" ><childGroup name=\"ex09\" />\n</drawGroup>\n";
        }
    }
    const Fragments out = Rewrite(body, 9);
    EXPECT_EQ(out.text, expected);
    EXPECT_EQ(out.topGroups, Names{"09_g0"});
}

} // namespace
} // namespace lumo
