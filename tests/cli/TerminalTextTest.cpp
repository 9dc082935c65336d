#include "cli/TerminalText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumo::cli {
namespace {

struct Case {
    std::string text;
    std::string message;
    std::string listed;
};

TEST(TerminalTextTest, EscapesWhatCouldDriveATerminal) {
    using namespace std::string_literals;
    const std::vector<Case> cases = {
        {"C:\\show\\01\\名前.tsd", "C:\\show\\01\\名前.tsd", "C:\\show\\01\\名前.tsd"},
        {"\x1b]0;title\a", "\\x1B]0;title\\x07", "\x1b]0;title\a"},
        {"a\tb\nc\rd", "a\\x09b\nc\\x0Dd", "a\\x09b\\x0Ac\\x0Dd"},
        {"a\0b"s, "a\\x00b", "a\0b"s},
        {"\x1f \x7f \x20", "\\x1F \\x7F  ", "\x1f \x7f \x20"},
        // U+0085 and U+009B are C1 controls; U+00A0 is not.
        {"\xc2\x85\xc2\x9b\xc2\xa0", "\\xC2\\x85\\xC2\\x9B\xc2\xa0", "\xc2\x85\xc2\x9b\xc2\xa0"},
        // A lone continuation byte, an overlong slash, a surrogate, a cut-off sequence.
        {"\x80 \xc0\xaf \xed\xa0\x80 \xe3\x81", "\\x80 \\xC0\\xAF \\xED\\xA0\\x80 \\xE3\\x81",
         "\x80 \xc0\xaf \xed\xa0\x80 \xe3\x81"},
        {"\xf0\x9f\x98\x80 \xf4\x90\x80\x80", "\xf0\x9f\x98\x80 \\xF4\\x90\\x80\\x80",
         "\xf0\x9f\x98\x80 \xf4\x90\x80\x80"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TerminalText(c.text, true), c.message) << c.text;
        EXPECT_EQ(ListField(c.text), c.listed) << c.text;
    }
    EXPECT_EQ(TerminalText("a\nb", false), "a\\x0Ab");
}

} // namespace
} // namespace lumo::cli
