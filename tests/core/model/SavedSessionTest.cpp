#include "model/MainDialogModel.h"
#include "platform/FileSystem.h"
#include "support/FakeControls.h"
#include "support/RecordingMessageBox.h"
#include "support/SampleExhibition.h"
#include "support/ScriptedFolderChooser.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <deque>
#include <filesystem>
#include <string>
#include <vector>

namespace lumo {
namespace {

using Kind = RecordingMessageBox::Kind;

// One run of the window's logic keeping its list in the state folder given.
struct Session {
    Session(const std::string& savedList, std::deque<std::string> folders)
        : chooser(std::move(folders)), model(controls, messages, chooser, savedList) {
        model.SetFlushTimer([this](std::chrono::milliseconds delay) { delays.push_back(delay); });
        model.Initialise();
        model.RestoreSavedList();
    }

    // a(dd) the next sample item, d(elete), u(p), n (down), s(elect the first),
    // b(uild), r(eload the exhibition built).
    void Do(const std::string& steps, const std::string& show) {
        for (const char step : steps) {
            const std::vector<test::SampleItem> items = test::SampleItems();
            if (step == 'a') {
                const test::SampleItem& item = items[added++ % items.size()];
                model.HandleDroppedFiles({item.document, item.thumbnail, item.description});
                model.AddCurrentEntry();
            } else if (step == 'd') {
                model.DeleteSelectedEntry();
            } else if (step == 'u') {
                model.MoveSelectedEntryUp();
            } else if (step == 'n') {
                model.MoveSelectedEntryDown();
            } else if (step == 's') {
                controls.highlighted = 0;
                model.LoadSelectedEntry();
            } else if (step == 'b') {
                model.BuildExhibition();
            } else if (step == 'r') {
                model.HandleDroppedFiles({show + "exhibition.tsd"});
            }
        }
    }

    test::FakeControls controls;
    RecordingMessageBox messages;
    ScriptedFolderChooser chooser;
    MainDialogModel model;
    std::vector<std::chrono::milliseconds> delays;
    std::size_t added = 0;
};

class SavedSession : public ::testing::Test {
protected:
    test::TempDir state;
    test::TempDir shows;
    const std::string savedList = state / test::Native("lumo/saved-list.txt");
    const std::string show = shows / test::Native("会場/第一/");
};

// Every change reaches the saved list; a session that ends without closing (a kill)
// leaves it, and the next start shows the same list, selection, count and chooser start.
TEST_F(SavedSession, EveryChangeComesBackAfterAKill) {
    const std::vector<std::string> cases = {"a",    "aaa", "aaad", "aaau", "aaaun",
                                            "aaas", "aab", "aabr", "aabrd"};
    for (const std::string& steps : cases) {
        std::filesystem::remove_all(shows.path() / "会場");
        std::filesystem::remove_all(state.path() / "lumo");
        Session killed(savedList, {show});
        killed.Do(steps, show);
        ASSERT_FALSE(killed.delays.empty()) << steps;
        killed.model.FlushNow();

        Session next(savedList, {});
        EXPECT_EQ(next.messages.texts(),
                  std::vector<std::string>{"前回の登録内容が残っています。復元しますか？"})
            << steps;
        EXPECT_EQ(next.model.entries(), killed.model.entries()) << steps;
        EXPECT_EQ(next.model.selectedIndex(), killed.model.selectedIndex()) << steps;
        EXPECT_EQ(next.controls.items, killed.controls.items) << steps;
        EXPECT_EQ(next.controls.highlighted, killed.controls.highlighted) << steps;
        EXPECT_EQ(next.controls.count, killed.controls.count) << steps;
        EXPECT_EQ(next.controls.document, killed.controls.document) << steps;
        EXPECT_EQ(next.model.browseStartPath(), killed.model.browseStartPath()) << steps;
    }
}

// The count reads 0 from the start; the chooser opens at home, and after a build beside
// the exhibition built. A folder typed in that does not exist is made with its parents;
// one that cannot be made is told with the system's reason, and nothing is built.
TEST_F(SavedSession, TheChosenFolderIsMadeAndTheNextChooserOpensBesideIt) {
    test::WriteFile(shows / "塞ぐファイル", "a file where a folder should be");
    const std::string blocked = shows / test::Native("塞ぐファイル/展示");
    struct Case {
        std::string chosen;
        BuildStatus status;
        std::string start;
    };
    const std::vector<Case> cases = {
        {show, BuildStatus::Written, shows / "会場" + test::kSeparator},
        {blocked, BuildStatus::Cancelled, HomeFolder()},
    };
    for (const Case& c : cases) {
        Session run({}, {c.chosen});
        EXPECT_EQ(run.controls.count, "0");
        EXPECT_EQ(run.model.browseStartPath(), HomeFolder());
        run.Do("a", show);
        EXPECT_EQ(run.model.BuildExhibition().status, c.status) << c.chosen;
        EXPECT_EQ(run.chooser.startPaths, std::vector<std::string>{HomeFolder()});
        EXPECT_EQ(run.model.browseStartPath(), c.start) << c.chosen;
        const RecordingMessageBox::Call told = run.messages.calls.back();
        if (c.status == BuildStatus::Written) {
            EXPECT_TRUE(IsFolder(c.chosen + "00"));
            EXPECT_EQ(told.kind, Kind::Information);
        } else {
            const std::string folderLine =
                "エラー　保存先フォルダを作成できませんでした\n" + c.chosen + "\n";
            EXPECT_EQ(told.kind, Kind::Error);
            EXPECT_EQ(told.text.rfind(folderLine, 0), 0u) << told.text;
            EXPECT_GT(told.text.size(), folderLine.size()) << "the system's reason follows";
        }
    }
}

} // namespace
} // namespace lumo
