#include "exhibition/DocumentFile.h"
#include "exhibition/Exhibition.h"
#include "support/RecordingMessageBox.h"
#include "support/ScriptedFolderChooser.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace lumo {
namespace {

using Kind = RecordingMessageBox::Kind;

const std::string kSuccess = "展示用tsdファイルを作成しました";

// One item whose files exist in the source folder; the document has no data elements.
ExhibitionEntry MakeItem(const test::TempDir& source, const std::string& name) {
    test::WriteFile(source.path() / (name + ".tsd"), "<TessraFile>\n</TessraFile>\n");
    test::WriteFile(source.path() / (name + "_t.jpg"), "x");
    test::WriteFile(source.path() / (name + "_d.png"), "x");
    return {source / (name + ".tsd"), source / (name + "_t.jpg"), source / (name + "_d.png"), {}};
}

// Builds an exhibition of the given entries and gives them back as the build left them.
struct Build {
    RecordingMessageBox messages;
    ScriptedFolderChooser chooser;

    BuildStatus Run(EntryList& entries, const std::string& start = "/start") {
        Exhibition exhibition;
        for (const ExhibitionEntry& entry : entries) {
            exhibition.Insert(exhibition.entries().size(), entry);
        }
        const BuildStatus status =
            exhibition.Build(start, BuildServices{messages, chooser, {}}).status;
        entries = exhibition.entries();
        return status;
    }
};

TEST(BuildExhibition, RefusesAnEmptyOrOverlongListBeforeAskingForAFolder) {
    struct Case {
        std::size_t count;
        BuildStatus outcome;
        std::string message;
    };
    const std::vector<Case> cases = {
        {0, BuildStatus::NoEntries, "エラー　tsdファイルが一つも登録されていません"},
        {100, BuildStatus::TooManyEntries,
         "エラー　登録されているtsdファイルが99個を超えています。\n"
         "登録数は99個以下にしてください"},
    };
    for (const Case& c : cases) {
        Build build;
        build.chooser.answers = {"/never"};
        EntryList entries(c.count, ExhibitionEntry{"a.tsd", "t.jpg", "d.png", {"kept"}});
        EXPECT_EQ(build.Run(entries), c.outcome);
        EXPECT_EQ(build.messages.calls,
                  (std::vector<RecordingMessageBox::Call>{{Kind::Show, c.message}}));
        EXPECT_TRUE(build.chooser.startPaths.empty());
        for (const ExhibitionEntry& entry : entries) {
            ASSERT_EQ(entry.dataPaths, std::vector<std::string>{"kept"});
        }
    }
}

TEST(BuildExhibition, MissingOwnFilesEndTheBuildBeforeTheFolderChoice) {
    Build build;
    EntryList entries(99, ExhibitionEntry{"/no/a.tsd", "t.jpg", "d.png", {"kept"}});
    const EntryList before = entries;
    EXPECT_EQ(build.Run(entries, "/home/curator/show/a.tsd"), BuildStatus::Blocked);
    EXPECT_TRUE(build.chooser.startPaths.empty());
    ASSERT_EQ(build.messages.calls.size(), 1u);
    EXPECT_EQ(build.messages.calls[0].kind, Kind::Error);
    EXPECT_EQ(entries, before);
}

TEST(BuildExhibition, CancelledFolderChoiceChangesNothing) {
    test::TempDir source;
    Build build;
    EntryList entries = {MakeItem(source, "a")};
    EXPECT_EQ(build.Run(entries, "/home/curator/show/a.tsd"), BuildStatus::Cancelled);
    EXPECT_EQ(build.chooser.startPaths, std::vector<std::string>{"/home/curator/show/a.tsd"});
}

TEST(BuildExhibition, WritesABomAndCrLfDocumentIntoTheChosenFolder) {
    test::TempDir source;
    test::TempDir target;
    for (const std::string& chosen : {target.path().string(), target.folder()}) {
        std::filesystem::remove_all(target.path() / "00");
        Build build;
        build.chooser.answers = {chosen};
        EntryList entries = {MakeItem(source, "a")};
        EXPECT_EQ(build.Run(entries), BuildStatus::Written);
        ASSERT_FALSE(build.messages.calls.empty());
        EXPECT_EQ(build.messages.calls.back().kind, Kind::Information);
        EXPECT_EQ(build.messages.calls.back().text.rfind(kSuccess, 0), 0u);

        const std::string bytes = test::ReadFile(target.path() / "exhibition.tsd");
        ASSERT_GT(bytes.size(), 3u);
        EXPECT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF");
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == '\n') {
                ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare line feed at " << i;
            }
        }
        const std::string header =
            "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
            "<TessraFile version=\"1.35\">\r\n\r\n<body>\r\n"
            "<firstSetting spaceNum=\"2\" firstEvent=\"first\" />\r\n\r\n";
        const std::string footer = "\r\n\r\n</body>\r\n</TessraFile>\r\n";
        EXPECT_EQ(bytes.substr(3, header.size()), header);
        EXPECT_EQ(bytes.substr(bytes.size() - footer.size()), footer);
    }
}

// A folder without exhibition.tsd that already holds anything named like an entry folder
// of this build is refused and left as it was.
TEST(BuildExhibition, RefusesAFolderHoldingAnEntryFolderOfThisBuild) {
    struct Case {
        std::size_t items;
        std::vector<std::string> present; // a trailing '/' makes a folder
        std::string named;                // empty: the build goes ahead
    };
    const std::vector<Case> cases = {
        {1, {"00/"}, "00"},
        {7, {"05"}, "05"},
        {7, {"03/", "01"}, "01"},
        {7, {"07/", "99"}, ""},
    };
    for (const Case& c : cases) {
        test::TempDir source;
        test::TempDir target;
        for (const std::string& name : c.present) {
            if (name.back() == '/') {
                std::filesystem::create_directory(target.path() / name);
            } else {
                test::WriteFile(target.path() / name, "x");
            }
        }
        EntryList entries;
        for (std::size_t i = 0; i < c.items; ++i) {
            entries.push_back(MakeItem(source, std::to_string(i) + "i"));
        }
        Build build;
        build.chooser.answers = {target.folder()};
        const BuildStatus outcome = build.Run(entries);
        if (c.named.empty()) {
            EXPECT_EQ(outcome, BuildStatus::Written);
            continue;
        }
        EXPECT_EQ(outcome, BuildStatus::FolderNotEmpty) << c.named;
        EXPECT_EQ(build.messages.texts().back(), "エラー　保存先フォルダにすでに展示のフォルダ (" +
                                                     c.named +
                                                     ") があります\n空のフォルダを選んでください");
        std::size_t count = 0;
        for ([[maybe_unused]] const auto& item :
             std::filesystem::directory_iterator(target.path())) {
            ++count;
        }
        EXPECT_EQ(count, c.present.size()) << "something was created for " << c.named;
        EXPECT_TRUE(entries[0].dataPaths.empty());
    }
}

TEST(EncodeDocument, WritesEveryLineFeedAsCrLfAfterAByteOrderMark) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", "\xEF\xBB\xBF"},
        {"a\nb", "\xEF\xBB\xBF"
                 "a\r\nb"},
        {"\n\n", "\xEF\xBB\xBF\r\n\r\n"},
        {"a\r\n", "\xEF\xBB\xBF"
                  "a\r\r\n"},
        {"日本\n", "\xEF\xBB\xBF日本\r\n"},
    };
    for (const auto& [text, bytes] : cases) {
        EXPECT_EQ(EncodeDocument(text), bytes);
    }
}

} // namespace
} // namespace lumo
