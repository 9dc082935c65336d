#include "model/SavedList.h"
#include "model/SavedListFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace lumo {
namespace {

// 99 items in Japanese-named folders, each with two data paths.
SavedList NinetyNineItems() {
    SavedList list{{}, 98, {ExhibitionOrigin::Built, "/展示/第二会場/"}, true};
    for (int i = 0; i < 99; ++i) {
        const std::string folder = "/収蔵品/項目" + std::to_string(i) + "/";
        list.entries.push_back({folder + "灯台.tsd",
                                folder + "サムネイル.jpg",
                                folder + "説明　縦.png",
                                {folder + "光.dat", folder + "断面/"}});
    }
    return list;
}

TEST(SavedList, EveryFieldSurvivesTheRoundTrip) {
    const std::vector<SavedList> cases = {
        {},
        NinetyNineItems(),
        // Separators, escapes and control characters inside paths; empty fields of a
        // reloaded entry whose folder lacked an image; nothing selected.
        {{{"C:\\a\tb\\x%41.tsd", "", "/c\nd/e\r.png", {"%", "\x7F\x1F", ""}}},
         -1,
         {ExhibitionOrigin::Reloaded, "\\\\server\\share\\100%\\"},
         false},
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
    struct Case {
        const char* what;
        std::string text;
    };
    const std::vector<Case> cases = {
        {"empty", ""},
        {"garbage", std::string("\x00\xFF\xFE garbage\n", 13)},
        {"cut before the end record", good.substr(0, good.find("end"))},
        {"cut in the end record", good.substr(0, good.size() - 2)},
        {"without the last line feed", good.substr(0, good.size() - 1)},
        {"cut in an entry", good.substr(0, good.find("/t.jpg"))},
        {"newer version", replaced("lumo-saved-list\t1", "lumo-saved-list\t2")},
        {"no version", replaced("lumo-saved-list\t1", "lumo-saved-list")},
        {"count that disagrees", replaced("end\t1", "end\t2")},
        {"negative count", replaced("end\t1", "end\t-1")},
        {"text after the end", good + "entry\t/b.tsd\t\t\n"},
        {"unknown record", replaced("data\t", "date\t")},
        {"data before any entry", replaced("entry\t/a.tsd\t/t.jpg\t/d.png\n", "")},
        {"selection past the end", replaced("selected\t0", "selected\t1")},
        {"selection below none", replaced("selected\t0", "selected\t-2")},
        {"selection not a number", replaced("selected\t0", "selected\t0x")},
        {"changed neither 0 nor 1", replaced("changed\t1", "changed\ttrue")},
        {"built without a folder", replaced("exhibition\tnone", "exhibition\tbuilt\t")},
        {"broken escape", replaced("/x.dat", "/x%4.dat")},
        {"escape at the end", replaced("/x.dat", "/x.dat%4")},
        {"escaped NUL", replaced("/x.dat", "/x%00.dat")},
        {"raw control character", replaced("/x.dat", "/x\x01.dat")},
        {"CR LF line ends",
         [&good] {
             std::string text;
             for (const char c : good) {
                 text += c == '\n' ? "\r\n" : std::string(1, c);
             }
             return text;
         }()},
    };
    ASSERT_TRUE(ParseSavedList(good));
    for (const Case& c : cases) {
        EXPECT_EQ(ParseSavedList(c.text), std::nullopt) << c.what;
    }
}

// A file Lumo cannot use is renamed beside itself, never over an earlier one, and keeps
// its bytes; a missing file is no trouble.
TEST(ReadSavedList, SetsAsideWhatItCannotUseAndDeletesNothing) {
    test::TempDir state;
    const std::string path = state / "saved-list.txt";
    EXPECT_EQ(ReadSavedList(path).status, SavedListRead::Missing);

    const std::vector<std::string> damaged = {"", "lumo-saved-list\t2\n", "garbage"};
    for (std::size_t i = 0; i < damaged.size(); ++i) {
        test::WriteFile(path, damaged[i]);
        const SavedListReadResult read = ReadSavedList(path);
        const std::string expected =
            state / ("saved-list-set-aside-" + std::to_string(i + 1) + ".txt");
        EXPECT_EQ(read.status, SavedListRead::SetAside);
        EXPECT_EQ(read.setAsidePath, expected);
        EXPECT_FALSE(std::filesystem::exists(path));
        EXPECT_EQ(test::ReadFile(expected), damaged[i]);
    }
    // Unreadable: a folder where the file should be.
    std::filesystem::create_directory(state.path() / "saved-list.txt");
    EXPECT_EQ(ReadSavedList(path).setAsidePath, state / "saved-list-set-aside-4.txt");
    EXPECT_TRUE(std::filesystem::is_directory(state.path() / "saved-list-set-aside-4.txt"));
}

} // namespace
} // namespace lumo
