#include "model/SessionKeeper.h"
#include "model/SavedList.h"
#include "support/RecordingMessageBox.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace lumo {
namespace {

using Kind = RecordingMessageBox::Kind;
using Calls = std::vector<RecordingMessageBox::Call>;
using std::chrono::milliseconds;

const std::string kRestoreQuestion = "前回の登録内容が残っています。復元しますか？";
const std::string kCloseQuestion = "登録した内容はまだ展示になっていません。終了しますか？";

// One run of Lumo: a list, a message box and a hand-driven clock around the keeper.
struct Session {
    explicit Session(const std::string& path)
        : keeper(
              path, messages,
              [this] {
                  return SessionKeeper::ListState{entries, selected};
              },
              [this] { return now; }) {}

    // What the curator does, a letter a step: a(dd), d(elete all), s(elect), b(uild),
    // r(eload).
    void Do(const std::string& steps) {
        for (const char step : steps) {
            if (step == 'a') {
                const std::string name = "/収蔵品/" + std::to_string(entries.size());
                entries.push_back(
                    {name + ".tsd", name + "_横.jpg", name + "_縦.png", {name + ".dat"}});
                selected = static_cast<int>(entries.size()) - 1;
                keeper.Edited();
            } else if (step == 'd') {
                entries.clear();
                selected = -1;
                keeper.Edited();
            } else if (step == 's') {
                keeper.SelectionChanged();
            } else if (step == 'b') {
                keeper.Built("/展示/会場/");
            } else if (step == 'r') {
                entries.resize(2);
                keeper.Reloaded("/展示/会場/");
            }
        }
    }

    EntryList entries;
    int selected = -1;
    RecordingMessageBox messages;
    std::chrono::steady_clock::time_point now;
    SessionKeeper keeper;
};

class SessionKeeperTest : public ::testing::Test {
protected:
    // The entries the saved-list file holds once the writes handed over are done; -1
    // when there is no file.
    int SavedCount(Session& session) const {
        session.keeper.WaitForWrites();
        if (!std::filesystem::exists(test::AnyPath(path).get())) {
            return -1;
        }
        const std::optional<SavedList> saved = ParseSavedList(test::ReadFile(path));
        return saved ? static_cast<int>(saved->entries.size()) : -2;
    }

    test::TempDir state;
    const std::string path = state / test::Native("lumo/saved-list.txt");
};

// Each step: time passes, the curator adds, the front-end flushes; then the file holds
// `saved` entries (-1: no file yet) and the front-end is told to come back after `delay`
// (-1: nothing waits).
TEST_F(SessionKeeperTest, WritesOnceTheChangesPauseOrHaveWaitedLongEnough) {
    struct Step {
        int advanceMs;
        int adds;
        int saved;
        int delay;
    };
    struct Case {
        const char* what;
        std::vector<Step> steps;
    };
    const std::vector<Case> cases = {
        {"one change", {{0, 1, -1, 250}, {100, 0, -1, 150}, {150, 0, 1, -1}}},
        {"a drop that adds fifty", {{0, 50, -1, 250}, {249, 0, -1, 1}, {1, 0, 50, -1}}},
        {"a burst", {{0, 1, -1, 250}, {100, 1, -1, 250}, {100, 1, -1, 250}, {250, 0, 3, -1}}},
        {"changes that never pause",
         {{0, 1, -1, 250},
          {200, 1, -1, 250},
          {200, 1, -1, 250},
          {200, 1, -1, 250},
          {200, 1, -1, 200},
          {200, 1, 6, -1},
          {200, 1, 6, 250}}},
    };
    for (const Case& c : cases) {
        std::filesystem::remove_all(state.path() / "lumo");
        Session session(path);
        for (std::size_t i = 0; i < c.steps.size(); ++i) {
            const Step& step = c.steps[i];
            session.now += milliseconds(step.advanceMs);
            session.Do(std::string(static_cast<std::size_t>(step.adds), 'a'));
            session.keeper.Flush();
            EXPECT_EQ(SavedCount(session), step.saved) << c.what << ", step " << i;
            EXPECT_EQ(session.keeper.FlushDelay(),
                      step.delay < 0 ? std::nullopt : std::optional(milliseconds(step.delay)))
                << c.what << ", step " << i;
        }
    }
}

TEST_F(SessionKeeperTest, AsksBeforeClosingOnlyWhenItemsWouldBeLost) {
    struct Case {
        const char* steps;
        bool answer;
        bool asked;
        bool mayClose;
    };
    const std::vector<Case> cases = {
        {"", false, false, true},    {"a", true, true, true},    {"a", false, true, false},
        {"ad", false, false, true},  {"ab", false, false, true}, {"ar", false, false, true},
        {"aba", false, true, false}, {"rs", false, false, true}, {"ra", false, true, false},
    };
    for (const Case& c : cases) {
        Session session(path);
        session.Do(c.steps);
        session.messages.answers = {c.answer};
        EXPECT_EQ(session.keeper.MayClose(), c.mayClose) << c.steps;
        EXPECT_EQ(session.messages.calls, (c.asked ? Calls{{Kind::Ask, kCloseQuestion}} : Calls{}))
            << c.steps;
    }
}

// A session that ends without closing (a kill) leaves its list; the next start offers it
// back once and restores it exactly; a clean close leaves nothing to offer.
TEST_F(SessionKeeperTest, RestoresTheListOfASessionThatDidNotClose) {
    SavedList expected;
    {
        Session killed(path);
        killed.Do(std::string(98, 'a') + "ba");
        killed.selected = 40;
        killed.Do("s");
        killed.keeper.FlushNow();
        expected = {killed.entries, 40, {ExhibitionOrigin::Built, "/展示/会場/"}, true};
    }
    Session next(path);
    EXPECT_EQ(next.keeper.Restore(), expected);
    EXPECT_EQ(next.messages.calls, (Calls{{Kind::Ask, kRestoreQuestion}}));
    EXPECT_TRUE(next.keeper.changed());
    EXPECT_EQ(next.keeper.lastExhibition(), expected.exhibition);

    next.keeper.Closed();
    EXPECT_EQ(SavedCount(next), -1);
    Session after(path);
    EXPECT_EQ(after.keeper.Restore(), std::nullopt);
    EXPECT_TRUE(after.messages.calls.empty());
}

TEST_F(SessionKeeperTest, ForgetsALeftListThatIsDeclinedOrEmpty) {
    for (const std::string steps : {"aaa", "ad"}) {
        {
            Session left(path);
            left.Do(steps);
            left.keeper.FlushNow();
        }
        Session next(path);
        next.messages.answers = {false};
        EXPECT_EQ(next.keeper.Restore(), std::nullopt);
        EXPECT_EQ(next.messages.calls.size(), steps == "aaa" ? 1u : 0u) << steps;
        EXPECT_EQ(SavedCount(next), -1) << steps;
    }
}

// Damaged, cut short, from a newer version, unreadable (a folder): each is renamed beside
// itself, never over an earlier one, with its bytes, and told once.
TEST_F(SessionKeeperTest, AFileItCannotUseIsSetAsideWithOneMessage) {
    const std::vector<std::string> contents = {"", "lumo-saved-list\t1\nchanged\t",
                                               "lumo-saved-list\t2\n", "garbage", "folder"};
    for (std::size_t i = 0; i < contents.size(); ++i) {
        if (contents[i] == "folder") {
            std::filesystem::create_directories(test::AnyPath(path).get());
        } else {
            test::WriteFile(path, contents[i]);
        }
        Session next(path);
        EXPECT_EQ(next.keeper.Restore(), std::nullopt);
        const std::string aside =
            state / test::Native("lumo/saved-list-set-aside-" + std::to_string(i + 1) + ".txt");
        EXPECT_EQ(
            next.messages.calls,
            (Calls{{Kind::Error, "前回の登録内容を読み込めませんでした。空の一覧で始めます。\n"
                                 "ファイルは次の場所に残してあります：\n" +
                                     aside}}));
        EXPECT_FALSE(std::filesystem::exists(test::AnyPath(path).get()));
        if (contents[i] != "folder") {
            EXPECT_EQ(test::ReadFile(aside), contents[i]);
        }
    }
}

TEST_F(SessionKeeperTest, AFailedWriteIsToldOnce) {
    test::WriteFile(state / "blocker", "a file where the state folder should be");
    Session session(state / test::Native("blocker/saved-list.txt"));
    for (int round = 0; round < 2; ++round) {
        session.Do("a");
        session.keeper.FlushNow();
    }
    ASSERT_EQ(session.messages.calls.size(), 1u);
    EXPECT_EQ(session.messages.calls[0].kind, Kind::Error);
    EXPECT_EQ(session.messages.calls[0].text.rfind("登録内容を保存できませんでした\n", 0), 0u);
}

} // namespace
} // namespace lumo
