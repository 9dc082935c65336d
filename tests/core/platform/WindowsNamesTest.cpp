#include "platform/WindowsNames.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumo {
namespace {

TEST(WindowsNames, RefusesWhatWindowsCannotHold) {
    for (const char* name :
         {"CON", "nul.dat", "Aux .tsd", "COM1", "lpt9.raw", "x.dat.", "x.dat ", "a:b.dat", "a<b",
          "a>b", "a\"b", "a|b", "a?b", "a*b", "a\\b", "a\tb"}) {
        EXPECT_TRUE(WindowsRefusesName(name)) << name;
    }
    for (const char* name : {"CONSOLE", "COM0", "COM10", "nul_x", "x.con", "LPT", "x.dat",
                             ".hidden", "a b.dat", "\xE5\xB1\x95\xE7\xA4\xBA.tsd"}) {
        EXPECT_FALSE(WindowsRefusesName(name)) << name;
    }
}

TEST(WindowsNames, KeysAreEqualExactlyWhenWindowsTakesTwoNamesForOne) {
    struct Case {
        std::string a;
        std::string b;
        bool same;
    };
    const std::vector<Case> cases = {
        {"Scene.TSD", "scene.tsd", true},
        {"\xC3\x84.dat", "\xC3\xA4.dat", true},         // Ä, ä
        {"\xCE\xA3.dat", "\xCF\x83.dat", true},         // Σ, σ
        {"\xD0\x96.dat", "\xD0\xB6.dat", true},         // Ж, ж
        {"\xEF\xBC\xA1.dat", "\xEF\xBD\x81.dat", true}, // fullwidth Ａ, ａ
        {"\xC3\x9F.dat", "ss.dat", false},              // ß is not SS
        {"a.dat", "b.dat", false},
        {"\xE3\x81\x82.dat", "\xE3\x82\xA2.dat", false}, // hiragana, katakana
        {"x\xFF.dat", "x\xFE.dat", false},               // not UTF-8, kept apart
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WindowsNameKey(c.a) == WindowsNameKey(c.b), c.same) << c.a << " " << c.b;
    }
}

} // namespace
} // namespace lumo
