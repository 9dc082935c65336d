#include "source/SceneXml.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumo {
namespace {

using namespace std::string_literals;

struct Element {
    std::size_t line;
    std::string text; // a data element's paths or a draw group's name, joined by '|'
};

std::vector<Element> DataOf(const SceneXml& xml) {
    std::vector<Element> elements;
    for (const XmlDataElement& data : xml.data) {
        std::string paths;
        for (const std::string& path : data.paths) {
            paths += (paths.empty() ? "" : "|") + path;
        }
        elements.push_back({data.line, paths});
    }
    for (const XmlDrawGroup& group : xml.drawGroups) {
        elements.push_back({group.line, "group " + group.name.value_or("(none)")});
    }
    return elements;
}

bool operator==(const Element& a, const Element& b) {
    return a.line == b.line && a.text == b.text;
}

void PrintTo(const Element& element, std::ostream* out) {
    *out << element.line << ':' << element.text;
}

TEST(ReadSceneXml, SeesDataPathsAndDrawGroupsWithTheirLines) {
    struct Case {
        const char* what;
        std::string text;
        std::vector<Element> expected;
        std::size_t errorLine = 0;
    };
    const std::vector<Case> cases = {
        {"file children, a path on the data element, nested",
         "<T>\n<data name=\"a\" path=\"p\"><file path=\"x\"/>\n<g><file path=\"y\"/></g></data>\n"
         "<drawGroup name=\"Sur\"><data name=\"b\"/></drawGroup></T>",
         {{2, "p|x|y"}, {4, ""}, {4, "group Sur"}}},
        // The text is UTF-8 whatever the document declared.
        {"a legacy declaration",
         "<?xml version=\"1.0\" encoding=\"Shift_JIS\" standalone=\"yes\"?>\n<T><data><file "
         "path=\"\xE6\x96\x99.dat\"/></data></T>",
         {{2, "\xE6\x96\x99.dat"}}},
        {"entities, spacing and single quotes",
         "<T><data><file path = 'a&amp;b&#x41;.dat' /></data></T>",
         {{1, "a&bA.dat"}}},
        {"prefixed attributes and namespaces",
         "<T xmlns:q=\"urn:q\"><data q:path=\"no\"><file path=\"yes\"/></data></T>",
         {{1, "yes"}}},
        {"comments and CDATA hold no elements",
         "<T><!-- <data><file path=\"c\"/></data> -->\n<![CDATA[<data/>]]></T>",
         {}},
        {"a lone CR is no line end, as for the build",
         "<T>\r<data/>\r\n<drawGroup/></T>",
         {{1, ""}, {2, "group (none)"}}},
        {"mismatched tag", "<T>\n<data>\n</T>", {{2, ""}}, 3},
        {"empty document", "", {}, 1},
        {"two roots", "<T/>\n<T/>", {}, 2},
        {"NUL character", "<T>\n<data path=\"a\0\"/></T>"s, {}, 2},
    };
    for (const Case& c : cases) {
        const SceneXml xml = ReadSceneXml(c.text);
        EXPECT_EQ(DataOf(xml), c.expected) << c.what;
        EXPECT_EQ(xml.error ? xml.error->line : 0, c.errorLine) << c.what;
        if (xml.error) {
            EXPECT_FALSE(xml.error->message.empty()) << c.what;
        }
    }
}

} // namespace
} // namespace lumo
