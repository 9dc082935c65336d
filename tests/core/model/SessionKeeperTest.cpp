#include "model/SessionKeeper.h"
#include "model/SavedList.h"
#include "support/RecordingMessageBox.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace lumo {
namespace {

using Kind = RecordingMessageBox::Kind;
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

    void Edit(int count = 1) {
        for (int i = 0; i < count; ++i) {
            const std::string name = "/収蔵品/" + std::to_string(entries.size());
            entries.push_back({name + ".tsd", name + "_横.jpg", name + "_縦.png", {name + ".dat"}});
            selected = static_cast<int>(entries.size()) - 1;
            keeper.Edited();
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

TEST_F(SessionKeeperTest, WritesOnceTheChangesPauseOrHaveWaitedLongEnough) {
    struct Step {
        int advanceMs;
        int edits;
        int savedAfterFlush;
    };
    struct Case {
        const char* what;
        std::vector<Step> steps;
    };
    const std::vector<Case> cases = {
        {"one change", {{0, 1, -1}, {100, 0, -1}, {150, 0, 1}}},
        {"a drop that adds fifty", {{0, 50, -1}, {249, 0, -1}, {1, 0, 50}}},
        {"a burst", {{0, 1, -1}, {100, 1, -1}, {100, 1, -1}, {249, 0, -1}, {1, 0, 3}}},
        {"changes that never pause",
         {{0, 1, -1},
          {200, 1, -1},
          {200, 1, -1},
          {200, 1, -1},
          {200, 1, -1},
          {200, 1, 6},
          {200, 1, 6}}},
    };
    for (const Case& c : cases) {
        std::filesystem::remove_all(state.path() / "lumo");
        Session session(path);
        for (std::size_t i = 0; i < c.steps.size(); ++i) {
            session.now += milliseconds(c.steps[i].advanceMs);
            session.Edit(c.steps[i].edits);
            session.keeper.Flush();
            EXPECT_EQ(SavedCount(session), c.steps[i].savedAfterFlush) << c.what << ", step " << i;
        }
    }
}

TEST_F(SessionKeeperTest, FlushDelayTellsTheFrontEndWhenToComeBack) {
    Session session(path);
    EXPECT_EQ(session.keeper.FlushDelay(), std::nullopt);
    session.Edit();
    session.now += milliseconds(100);
    EXPECT_EQ(session.keeper.FlushDelay(), milliseconds(150));
    session.now += milliseconds(400);
    EXPECT_EQ(session.keeper.FlushDelay(), milliseconds(0));
}

TEST_F(SessionKeeperTest, AsksBeforeClosingOnlyWhenItemsWouldBeLost) {
    struct Case {
        const char* what;
        std::function<void(Session&)> work;
        std::deque<bool> answers;
        bool asked;
        bool mayClose;
    };
    const std::vector<Case> cases = {
        {"nothing done", [](Session&) {}, {}, false, true},
        {"added, kept", [](Session& s) { s.Edit(); }, {true}, true, true},
        {"added, No", [](Session& s) { s.Edit(); }, {false}, true, false},
        {"added and deleted again",
         [](Session& s) {
             s.Edit();
             s.entries.clear();
             s.keeper.Edited();
         },
         {},
         false,
         true},
        {"built",
         [](Session& s) {
             s.Edit();
             s.keeper.Built("/会場/");
         },
         {},
         false,
         true},
        {"added, then reloaded",
         [](Session& s) {
             s.Edit();
             s.keeper.Reloaded("/会場/");
         },
         {},
         false,
         true},
        {"changed after a build",
         [](Session& s) {
             s.Edit();
             s.keeper.Built("/会場/");
             s.Edit();
         },
         {false},
         true,
         false},
        {"only the selection moved after a reload",
         [](Session& s) {
             s.entries.resize(2);
             s.keeper.Reloaded("/会場/");
             s.keeper.SelectionChanged();
         },
         {},
         false,
         true},
    };
    for (const Case& c : cases) {
        Session session(path);
        c.work(session);
        session.messages.answers = c.answers;
        EXPECT_EQ(session.keeper.MayClose(), c.mayClose) << c.what;
        const std::vector<RecordingMessageBox::Call> question = {{Kind::Ask, kCloseQuestion}};
        EXPECT_EQ(session.messages.calls, c.asked ? question : decltype(question){}) << c.what;
    }
}

// A session that ends without closing (a kill) leaves its list; the next start offers it
// back once and restores it exactly; a clean close leaves nothing to offer.
TEST_F(SessionKeeperTest, RestoresTheListOfASessionThatDidNotClose) {
    SavedList expected;
    {
        Session killed(path);
        killed.Edit(98);
        killed.keeper.Built("/展示/第一会場/");
        killed.Edit();
        killed.selected = 40;
        killed.keeper.SelectionChanged();
        killed.keeper.FlushNow();
        expected = {killed.entries, 40, {ExhibitionOrigin::Built, "/展示/第一会場/"}, true};
    }
    Session next(path);
    const std::optional<SavedList> restored = next.keeper.Restore();
    EXPECT_EQ(restored, expected);
    EXPECT_EQ(next.messages.calls,
              (std::vector<RecordingMessageBox::Call>{{Kind::Ask, kRestoreQuestion}}));
    EXPECT_TRUE(next.keeper.changed());
    EXPECT_EQ(next.keeper.lastExhibition(), expected.exhibition);

    next.keeper.Closed();
    EXPECT_EQ(SavedCount(next), -1);
    Session after(path);
    EXPECT_EQ(after.keeper.Restore(), std::nullopt);
    EXPECT_TRUE(after.messages.calls.empty());
}

TEST_F(SessionKeeperTest, ForgetsALeftListThatIsDeclinedOrEmpty) {
    struct Case {
        int items;
        bool answer;
        bool asked;
    };
    for (const Case& c : {Case{3, false, true}, Case{0, true, false}}) {
        {
            Session left(path);
            left.Edit(c.items);
            left.keeper.Edited();
            left.keeper.FlushNow();
        }
        Session next(path);
        next.messages.answers = {c.answer};
        EXPECT_EQ(next.keeper.Restore(), std::nullopt);
        EXPECT_EQ(next.messages.calls.size(), c.asked ? 1u : 0u) << c.items;
        EXPECT_EQ(SavedCount(next), -1) << c.items;
    }
}

TEST_F(SessionKeeperTest, AFileItCannotUseIsSetAsideWithOneMessage) {
    test::WriteFile(path, "lumo-saved-list\t2\n");
    Session next(path);
    EXPECT_EQ(next.keeper.Restore(), std::nullopt);
    const std::string aside = state / test::Native("lumo/saved-list-set-aside-1.txt");
    EXPECT_EQ(next.messages.calls,
              (std::vector<RecordingMessageBox::Call>{
                  {Kind::Error, "前回の登録内容を読み込めませんでした。空の一覧で始めます。\n"
                                "ファイルは次の場所に残してあります：\n" +
                                    aside}}));
    EXPECT_EQ(test::ReadFile(aside), "lumo-saved-list\t2\n");
}

TEST_F(SessionKeeperTest, AFailedWriteIsToldOnce) {
    test::WriteFile(state / "blocker", "a file where the state folder should be");
    Session session(state / test::Native("blocker/saved-list.txt"));
    for (int round = 0; round < 2; ++round) {
        session.Edit();
        session.keeper.FlushNow();
    }
    ASSERT_EQ(session.messages.calls.size(), 1u);
    EXPECT_EQ(session.messages.calls[0].kind, Kind::Error);
    EXPECT_EQ(session.messages.calls[0].text.rfind("登録内容を保存できませんでした\n", 0), 0u);
}

} // namespace
} // namespace lumo
