#include "model/MainDialogModel.h"
#include "support/BuiltExhibition.h"
#include "support/FakeControls.h"
#include "support/RecordingMessageBox.h"
#include "support/ScriptedFolderChooser.h"
#include "support/TempDir.h"
#include "support/TestImages.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace lumo {
namespace {

const std::string kQuestion = "以前作成された展示用tsdファイルが入力されました。\n読み込みますか？";

class Reload : public ::testing::Test {
protected:
    void SetUp() override {
        test::WriteFile(show.path() / "exhibition.tsd", "built");
        model.Initialise();
    }

    void Folder(const std::string& number, const std::vector<std::string>& names) {
        test::WriteEntryFolder(show, number, names);
    }

    std::string P(const std::string& relative) const { return show / test::Native(relative); }
    std::string Exhibition() const { return show / "exhibition.tsd"; }

    test::TempDir show;
    test::FakeControls controls;
    RecordingMessageBox messages;
    ScriptedFolderChooser chooser;
    MainDialogModel model{controls, messages, chooser};
};

// The question says when exhibition.tsd told nothing and the folders' files were guessed.
TEST_F(Reload, AsksThenSelectsAndShowsTheFirstEntry) {
    Folder("00", {"a.tsd", "a_w.png", "a_t.png"});
    Folder("01", {"b.tsd", "b_w.png", "b_t.png"});
    Folder("02", {"c.tsd", "c_w.png", "c_t.png"});
    const std::string guessed =
        kQuestion +
        "\n展示用tsdファイルに画像の記録がないため、番号付きフォルダの中身から読み込みます。";
    for (const bool recorded : {true, false}) {
        if (recorded) {
            test::WriteExhibitionDocument(show, {{"a_w.png", "a_t.png", {}},
                                                 {"b_w.png", "b_t.png", {}},
                                                 {"c_w.png", "c_t.png", {}}});
        }
        RecordingMessageBox asked;
        MainDialogModel dialog{controls, asked, chooser};
        dialog.Initialise();
        EXPECT_TRUE(dialog.ReloadExhibition(Exhibition()));

        const EntryList expected = {{P("00/a.tsd"), P("00/a_w.png"), P("00/a_t.png"), {}},
                                    {P("01/b.tsd"), P("01/b_w.png"), P("01/b_t.png"), {}},
                                    {P("02/c.tsd"), P("02/c_w.png"), P("02/c_t.png"), {}}};
        EXPECT_EQ(dialog.entries(), expected);
        EXPECT_EQ(dialog.selectedIndex(), 0);
        EXPECT_EQ(controls.highlighted, 0);
        EXPECT_EQ(controls.count, "3");
        EXPECT_EQ(dialog.currentEntry(), expected[0]);
        EXPECT_EQ(controls.document, P("00/a.tsd"));
        EXPECT_FALSE(dialog.arrowKeyPressed());
        EXPECT_EQ(dialog.browseStartPath(), show.folder());
        EXPECT_EQ(asked.calls,
                  (std::vector<RecordingMessageBox::Call>{
                      {RecordingMessageBox::Kind::Ask, recorded ? kQuestion : guessed}}));
        test::WriteFile(show.path() / "exhibition.tsd", "built");
    }
}

// Nothing the dialog held before fills a field the exhibition does not supply.
TEST_F(Reload, TheCurrentEntryFillsNoField) {
    Folder("00", {"a.tsd", "a_w.png"});
    Folder("src", {"earlier_t.png"});
    model.HandleDroppedFiles({P("src/earlier_t.png")});
    EXPECT_TRUE(model.ReloadExhibition(Exhibition()));
    EXPECT_EQ(model.entries(), (EntryList{{P("00/a.tsd"), P("00/a_w.png"), "", {}}}));
}

TEST_F(Reload, WithoutFolderZeroTheListEndsEmptyAndTheFieldsStay) {
    Folder("src", {"kept.tsd"});
    model.HandleDroppedFiles({P("src/kept.tsd")});
    EXPECT_TRUE(model.ReloadExhibition(Exhibition()));
    EXPECT_TRUE(model.entries().empty());
    EXPECT_EQ(controls.count, "0");
    EXPECT_EQ(model.selectedIndex(), -1);
    EXPECT_EQ(model.currentEntry().documentPath, P("src/kept.tsd"));
}

TEST_F(Reload, TheAnswerDecidesWhetherTheRestOfTheDropIsRead) {
    Folder("00", {"a.tsd", "a_w.png", "a_t.png"});
    test::WriteFile(show.path() / "later.tsd", "x");
    struct Case {
        bool answer;
        std::size_t entries;
        std::string document;
    };
    test::WriteFile(show.path() / "before.tsd", "x");
    for (const Case& c : {Case{false, 0, P("before.tsd")}, Case{true, 1, P("later.tsd")}}) {
        test::FakeControls fields;
        MainDialogModel dialog{fields, messages, chooser};
        dialog.Initialise();
        dialog.HandleDroppedFiles({P("before.tsd")});
        messages.answers = {c.answer};
        dialog.HandleDroppedFiles({Exhibition(), P("later.tsd")});
        EXPECT_EQ(dialog.entries().size(), c.entries);
        EXPECT_EQ(dialog.currentEntry().documentPath, c.document);
        if (c.answer) {
            EXPECT_EQ(dialog.currentEntry().thumbnailPath, P("00/a_w.png"));
        }
    }
}

} // namespace
} // namespace lumo
