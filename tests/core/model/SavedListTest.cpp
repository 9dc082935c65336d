#include "model/SavedList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumo {
namespace {

// Japanese paths and 99 items go through a whole session in SessionKeeperTest; here the
// bytes that need escaping, empty fields and every exhibition origin.
TEST(SavedList, EveryFieldSurvivesTheRoundTrip) {
    const std::vector<SavedList> cases = {
        {},
        {{{"C:\\a\tb\\x%41.tsd", "", "/c\nd/e\r.png", {"%", "\x7F\x1F", ""}}},
         -1,
         {ExhibitionOrigin::Reloaded, "\\\\server\\share\\100%\\"},
         false},
        {{{"/a.tsd", "/t.jpg", "/d.png", {}}, {}}, 1, {ExhibitionOrigin::Built, "/展示/"}, true},
    };
    for (const SavedList& list : cases) {
        const std::string text = FormatSavedList(list);
        EXPECT_EQ(ParseSavedList(text), list) << text;
    }
}

TEST(SavedList, DamagedTextGivesNothing) {
    const std::string good = FormatSavedList(
        {{{"/a.tsd", "/t.jpg", "/d.png", {"/x.dat"}}}, 0, {ExhibitionOrigin::None, {}}, true});
    auto replaced = [&good](const std::string& from, const std::string& to) {
        std::string text = good;
        return text.replace(text.find(from), from.size(), to);
    };
    std::string crlf;
    for (const char c : good) {
        crlf += c == '\n' ? "\r\n" : std::string(1, c);
    }
    const std::vector<std::string> cases = {
        "",
        std::string("\x00\xFF\xFE garbage\n", 13),
        good.substr(0, good.find("end")),
        good.substr(0, good.size() - 2),
        good.substr(0, good.size() - 1),
        good.substr(0, good.find("/t.jpg")),
        replaced("lumo-saved-list\t1", "lumo-saved-list\t2"),
        replaced("end\t1", "end\t2"),
        good + "entry\t/b.tsd\t\t\n",
        replaced("data\t", "date\t"),
        replaced("entry\t/a.tsd\t/t.jpg\t/d.png\n", ""),
        replaced("selected\t0", "selected\t1"),
        replaced("selected\t0", "selected\t-2"),
        replaced("exhibition\tnone", "exhibition\tbuilt\t"),
        replaced("/x.dat", "/x%4.dat"),
        replaced("/x.dat", "/x.dat%4"),
        replaced("/x.dat", "/x%00.dat"),
        replaced("/x.dat", "/x\x01.dat"),
        crlf,
    };
    ASSERT_TRUE(ParseSavedList(good));
    for (const std::string& text : cases) {
        EXPECT_EQ(ParseSavedList(text), std::nullopt) << text;
    }
}

} // namespace
} // namespace lumo
