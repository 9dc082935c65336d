#include "support/SampleExhibition.h"
#include "support/TempDir.h"
#include "support/TestDialog.h"
#include "support/TestImages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace lumo {
namespace {

using Kind = RecordingMessageBox::Kind;

// The item's scene names no draw group with Sur: one problem, asked about before the
// folder is chosen. No ends the build there.
TEST(BuildHandler, AsksOnceAboutProblemsBeforeTheFolder) {
    for (const bool yes : {true, false}) {
        SCOPED_TRACE(yes);
        test::TempDir source;
        test::TempDir show;
        const std::string scene = source / "a.tsd";
        test::WriteFile(scene,
                        "<TessraFile>\n<drawGroup name=\"top\">\n</drawGroup>\n</TessraFile>\n");
        test::WritePng(source / "a_w.png", 40, 20);
        test::WritePng(source / "a_t.png", 20, 40);
        test::TestDialog dialog({show.folder()});
        dialog.model.HandleDroppedFiles({scene, source / "a_w.png", source / "a_t.png"});
        dialog.model.AddCurrentEntry();
        dialog.messages.answers = {yes};

        EXPECT_EQ(dialog.model.BuildExhibition().status,
                  yes ? BuildStatus::Written : BuildStatus::Declined);

        ASSERT_FALSE(dialog.messages.calls.empty());
        EXPECT_EQ(dialog.messages.calls.front(),
                  (RecordingMessageBox::Call{Kind::Ask,
                                             "問題が 1 件見つかりました。このまま作成しますか？",
                                             "00　名前に Sur を含む描画グループがありません：" +
                                                 scene + "（top を使います）\n"}));
        EXPECT_EQ(dialog.messages.calls.size(), yes ? 2u : 1u);
        EXPECT_EQ(dialog.chooser.startPaths.size(), yes ? 1u : 0u);
        EXPECT_EQ(std::filesystem::exists(show.path() / "exhibition.tsd"), yes);
    }
}

// A display that logs its calls beside the messages and runs a hook for each event pass.
class LoggingDisplay final : public IProgressDisplay {
public:
    explicit LoggingDisplay(std::vector<std::string>& log) : log_(log) {}
    void open() override { log_.push_back("open"); }
    void update(const ProgressText&, double) override {}
    void close() override { log_.push_back("close"); }
    void processEvents() override {
        if (onEvents) {
            onEvents();
        }
    }

    std::function<void()> onEvents;

private:
    std::vector<std::string>& log_;
};

// The windows keep their events flowing through the display while staging copies: a drop
// then waits for the build, and a display that has come up is gone before any message.
TEST(BuildHandler, TheProgressDisplayTakesEventsWhileStagingCopies) {
    test::TempDir show;
    test::TestDialog dialog({show.folder()});
    std::vector<std::string> log;
    LoggingDisplay display(log);
    dialog.model.SetProgressDisplay(&display);
    const test::SampleItem first = test::SampleItems()[0];
    const test::SampleItem second = test::SampleItems()[1];
    dialog.model.HandleDroppedFiles({first.document, first.thumbnail, first.description});
    dialog.model.AddCurrentEntry();
    int passes = 0;
    display.onEvents = [&] {
        if (passes++ == 0) {
            dialog.model.HandleDroppedFiles({second.document});
        }
        EXPECT_EQ(dialog.model.currentEntry().documentPath, first.document);
    };

    EXPECT_EQ(dialog.model.BuildExhibition().status, BuildStatus::Written);

    EXPECT_GT(passes, 0);
    EXPECT_EQ(dialog.model.currentEntry().documentPath, second.document);
    EXPECT_EQ(std::count(log.begin(), log.end(), "open"),
              std::count(log.begin(), log.end(), "close"));
    EXPECT_EQ(dialog.messages.texts(), std::vector<std::string>{"展示用tsdファイルを作成しました"});
}

} // namespace
} // namespace lumo
