#include "source/SourceReader.h"

#include "support/ScopedEnv.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumo {
namespace {

using test::TempDir;
using test::WriteFile;

LineList ReadBytes(const std::string& bytes) {
    TempDir dir;
    WriteFile(dir / "doc.tsd", bytes);
    LineList lines;
    ReadSourceLines(dir / "doc.tsd", lines);
    return lines;
}

TEST(ExtractSpan, CutsFromStartThroughTheNextEnd) {
    struct Case {
        std::string text, start, end, expected;
    };
    const std::vector<Case> cases = {
        {R"(<?xml version="1.0" encoding="UTF-8"?>)", R"(encoding=")", R"(")",
         R"(encoding="UTF-8")"},
        {R"(<file type="x" path="a.dat" />)", R"(path=")", R"(")", R"(path="a.dat")"},
        {R"(a<data n="1"></data>b<data n="2"></data>)", "<data", "</data>",
         R"(<data n="1"></data>)"},
        {R"(<data n="1">)", "<data", "</data>", ""},
        {R"(<drawGroup name="g" ><drawUnit>)", "<drawGroup", ">", R"(<drawGroup name="g" >)"},
        {R"(</data> then <data n="1">)", "<data", "</data>", ""},
        {"", "<data", "</data>", ""},
        {R"(x="")", R"(x=")", R"(")", R"(x="")"},
        {R"(x=")", R"(x=")", R"(")", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ExtractSpan(c.text, c.start, c.end), c.expected) << c.text;
    }
}

// "é" in UTF-8 reads as two half-width katakana in the legacy code page.
const std::string kBody = "<p>\xC3\xA9</p>";
const std::string kBodyAsUtf8 = "<p>é</p>";
const std::string kBodyAsLegacy = "<p>ﾃｩ</p>";

TEST(ReadSourceLines, FirstLineMentioningEncodingDecidesTheEncoding) {
    const test::ScopedEnv legacy("LUMO_ANSI_CODEPAGE", "CP932");
    struct Case {
        const char* name;
        std::vector<std::string> head;
        bool utf8;
    };
    const std::vector<Case> cases = {
        {"upper", {R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"}, true},
        {"lower", {R"(<?xml version="1.0" encoding="utf-8"?>)"}, true},
        {"mixed case", {R"(<?xml version="1.0" encoding="Utf-8"?>)"}, false},
        {"single quotes", {R"(<?xml version="1.0" encoding='UTF-8'?>)"}, false},
        {"shift_jis", {R"(<?xml version="1.0" encoding="Shift_JIS"?>)"}, false},
        {"no declaration", {"<TessraFile>"}, false},
        {"later line decides", {"<TessraFile>", R"(<x encoding="UTF-8">)"}, true},
        {"later line without span",
         {"<TessraFile>", R"(<x encodingType="a">)", R"(<y encoding="UTF-8">)"},
         false},
        {"only the first mention counts",
         {R"(<?xml encoding="Shift_JIS"?>)", R"(<y encoding="UTF-8">)"},
         false},
        {"UTF-8 outside the span", {R"(<?xml encoding="x"?><!-- UTF-8 -->)"}, false},
    };
    for (const Case& c : cases) {
        std::string bytes;
        for (const std::string& line : c.head) {
            bytes += line + "\r\n";
        }
        const LineList lines = ReadBytes(bytes + kBody);
        std::vector<std::string> expected = c.head;
        expected.push_back(c.utf8 ? kBodyAsUtf8 : kBodyAsLegacy);
        EXPECT_EQ(lines, expected) << c.name;
    }
}

TEST(ReadSourceLines, ByteOrderMarkIsNotPartOfTheFirstLineInUtf8) {
    const test::ScopedEnv legacy("LUMO_ANSI_CODEPAGE", "CP932");
    const std::string declaration = R"(<?xml version="1.0" encoding="UTF-8"?>)";
    EXPECT_EQ(ReadBytes("\xEF\xBB\xBF" + declaration + "\n" + kBody),
              (LineList{declaration, kBodyAsUtf8}));
    // Without a declaration the mark is legacy text like any other.
    EXPECT_EQ(ReadBytes("\xEF\xBB\xBF<a>\n" + kBody),
              (LineList{"\xEF\xBF\xBDｻｿ<a>", kBodyAsLegacy}));
}

TEST(ReadSourceLines, SplitsLinesAtLineFeeds) {
    struct Case {
        std::string bytes;
        LineList lines;
    };
    const std::vector<Case> cases = {
        {"", {}},
        {"\n", {""}},
        {"a\nb\nc", {"a", "b", "c"}},
        {"a\n\nb\n", {"a", "", "b"}},
        {"a\r\nb\r\n\r\nc", {"a", "b", "", "c"}},
        {"a\rb\n", {"a\rb"}},
        {"a\r", {"a\r"}},
        {"a\r\r\n", {"a\r"}},
        {"\r\n\r\n", {"", ""}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadBytes(c.bytes), c.lines) << testing::PrintToString(c.bytes);
    }
}

TEST(ReadSourceLines, AppendsToTheCallersList) {
    TempDir dir;
    WriteFile(dir / "doc.tsd", "x\ny");
    LineList lines{"kept"};
    ReadSourceLines(dir / "doc.tsd", lines);
    EXPECT_EQ(lines, (LineList{"kept", "x", "y"}));
}

TEST(ReadSourceLines, UnreadableDocumentGivesNoLines) {
    TempDir dir;
    for (const std::string& path : {dir / "missing.tsd", dir.folder()}) {
        LineList lines;
        ReadSourceLines(path, lines);
        EXPECT_TRUE(lines.empty()) << path;
    }
}

} // namespace
} // namespace lumo
