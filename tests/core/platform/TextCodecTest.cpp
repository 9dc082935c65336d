#include "platform/TextCodec.h"

#include "support/ScopedEnv.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumo {
namespace {

const std::string R = "\xEF\xBF\xBD"; // U+FFFD

struct DecodeCase {
    std::string input;
    std::string expected;
};

TEST(DecodeUtf8Lossy, ReplacesEachMaximalInvalidSubpartOnce) {
    const std::vector<DecodeCase> cases = {
        {"", ""},
        {"plain ascii, longer than one word", "plain ascii, longer than one word"},
        {"\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80", "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"},
        {"\xEF\xBF\xBF\xF4\x8F\xBF\xBF", "\xEF\xBF\xBF\xF4\x8F\xBF\xBF"},
        {"a\x80z", "a" + R + "z"},           // lone continuation byte
        {"\xC0\xAF", R + R},                 // overlong two-byte form
        {"\xE0\x80\xAF", R + R + R},         // overlong three-byte form
        {"\xF0\x8F\xBF\xBF", R + R + R + R}, // overlong four-byte form
        {"\xED\xA0\x80", R + R + R},         // a surrogate's encoding
        {"\xF4\x90\x80\x80", R + R + R + R}, // beyond U+10FFFF
        {"\xF5\xFE\xFF", R + R + R},         // bytes that never start a sequence
        {"\xE2\x82", R},                     // truncated at the end
        {"\xE2\x82"
         "A",
         R + "A"}, // cut short by ASCII
        {"\xF0\x9F\x98"
         "x",
         R + "x"}, // four-byte form cut short
        {"0123456789abcdef\xFFtail", "0123456789abcdef" + R + "tail"},
        // The standard's example of maximal subparts.
        {"\x61\xF1\x80\x80\xE1\x80\xC2\x62\x80\x63\x80\xBF\x64",
         "a" + R + R + R + "b" + R + "c" + R + R + "d"},
    };
    for (const DecodeCase& c : cases) {
        EXPECT_EQ(DecodeUtf8Lossy(c.input), c.expected) << "input: " << c.input;
    }
}

using test::ScopedEnv;

TEST(DecodeLegacy, DecodesCp932AsWindowsDoes) {
    ScopedEnv env("LUMO_ANSI_CODEPAGE", "CP932");
    const std::vector<DecodeCase> cases = {
        {"", ""},
        {"a\\b~c", "a\\b~c"},         // 0x5C stays a backslash
        {"\x95\x5C\x8E\xA6", "表示"}, // 0x5C as a trail byte
        {"\x81\x5C", "\xE2\x80\x95"}, // U+2015
        {"\xB1\xDD", "ｱﾝ"},           // half-width katakana
        {"\x87\x40", "①"},            // a vendor extension of the table
        // The single bytes Windows decodes although they start no character, read as it
        // reads them, also after a bad lead byte and never as a trail byte.
        {"a\x80"
         "b",
         "a\u0080b"},
        {"\xA0\xFD\xFE\xFF", "\uF8F0\uF8F1\uF8F2\uF8F3"},
        {"\x81\xFF", R + "\uF8F3"},
        {"\x81\x80\x81\xA0", "÷□"},
        {"x\x82", "x" + R},     // lead byte at the end
        {"\x82 ok", R + " ok"}, // lead byte before a non-trail byte
    };
    for (const DecodeCase& c : cases) {
        EXPECT_EQ(DecodeLegacy(c.input), c.expected) << "input: " << c.input;
    }
}

// The Windows names of a code page work on every system; SHIFT_JIS and its aliases mean
// Windows' CP932, where 0x5C is a backslash.
TEST(DecodeLegacy, UsesTheCodePageTheVariableNames) {
    struct Case {
        const char* variable;
        const char* name;
        std::string input;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"CP1252", "CP1252", "caf\xE9\\\x80", "café\\€"},
        {"cp932", "CP932", "\x95\x5C", "表"},
        {"SHIFT_JIS", "CP932", "\\", "\\"},
        {"Sjis", "CP932", "\x81\x5C", "\xE2\x80\x95"},
        {"WINDOWS-31J", "CP932", "\xB1", "ｱ"},
        {"ms932", "CP932", "\xFF", "\uF8F3"},
    };
    for (const Case& c : cases) {
        ScopedEnv env("LUMO_ANSI_CODEPAGE", c.variable);
        EXPECT_EQ(LegacyEncodingName(), c.name) << c.variable;
        EXPECT_EQ(DecodeLegacy(c.input), c.expected) << c.variable;
    }
}

TEST(DecodeLegacy, UnknownEncodingIsReportedByName) {
    ScopedEnv env("LUMO_ANSI_CODEPAGE", "NO-SUCH-CODEPAGE-42");
    try {
        DecodeLegacy("abc");
        FAIL() << "no EncodingError";
    } catch (const EncodingError& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find("NO-SUCH-CODEPAGE-42"), std::string::npos) << message;
        EXPECT_NE(message.find("LUMO_ANSI_CODEPAGE"), std::string::npos) << message;
    }
}

} // namespace
} // namespace lumo
