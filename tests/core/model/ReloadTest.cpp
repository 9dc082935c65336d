#include "model/MainDialogModel.h"
#include "support/FakeControls.h"
#include "support/RecordingMessageBox.h"
#include "support/ScriptedFolderChooser.h"
#include "support/TempDir.h"
#include "support/TestImages.h"

#include <gtest/gtest.h>

#include <cstdio>
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

    // An entry folder holding the named files; names ending in _w / _t are wide / tall images.
    void Folder(const std::string& number, const std::vector<std::string>& names) {
        std::filesystem::create_directories(show.path() / number);
        for (const std::string& name : names) {
            const std::string path = show / (number + "/" + name);
            if (name.find("_w.") != std::string::npos) {
                test::WritePng(path, 40, 20);
            } else if (name.find("_t.") != std::string::npos) {
                test::WritePng(path, 20, 40);
            } else {
                test::WriteFile(path, "x");
            }
        }
    }

    std::string P(const std::string& relative) const { return show / test::Native(relative); }
    std::string Exhibition() const { return show / "exhibition.tsd"; }

    test::TempDir show;
    test::FakeControls controls;
    RecordingMessageBox messages;
    ScriptedFolderChooser chooser;
    MainDialogModel model{controls, messages, chooser};
};

TEST_F(Reload, BuildsOneEntryPerFolderUntilTheFirstGap) {
    Folder("00", {"a.tsd", "a_w.png", "a_t.png", "model.dat"});
    Folder("01", {"b.tsd", "b_w.png", "b_t.png"});
    Folder("02", {"c.tsd", "c_w.png", "c_t.png"});
    Folder("04", {"e.tsd", "e_w.png", "e_t.png"});
    EXPECT_TRUE(model.ReloadExhibition(Exhibition()));

    const EntryList expected = {{P("00/a.tsd"), P("00/a_w.png"), P("00/a_t.png"), {}},
                                {P("01/b.tsd"), P("01/b_w.png"), P("01/b_t.png"), {}},
                                {P("02/c.tsd"), P("02/c_w.png"), P("02/c_t.png"), {}}};
    EXPECT_EQ(model.entries(), expected);
    EXPECT_EQ(model.selectedIndex(), 0);
    EXPECT_EQ(controls.highlighted, 0);
    EXPECT_EQ(controls.count, "3");
    EXPECT_EQ(model.currentEntry(), expected[0]);
    EXPECT_EQ(controls.document, P("00/a.tsd"));
    EXPECT_FALSE(model.arrowKeyPressed());
    EXPECT_EQ(model.browseStartPath(), Exhibition());
    EXPECT_EQ(messages.calls, (std::vector<RecordingMessageBox::Call>{
                                  {RecordingMessageBox::Kind::Ask, kQuestion}}));
}

TEST_F(Reload, FieldsAFolderLacksAreInheritedFromThePreviousOne) {
    model.currentEntry() = {"/earlier.tsd", "/earlier_w.png", "/earlier_t.png", {"data"}};
    Folder("00", {"A.tsd", "b.tsd", "a_w.png"});
    Folder("01", {"c_t.png", "notes.txt", "sub.tsd/x"});
    test::WriteFile(show.path() / "02", "a file named like an entry folder");
    EXPECT_TRUE(model.ReloadExhibition(Exhibition()));

    const EntryList expected = {{P("00/b.tsd"), P("00/a_w.png"), "/earlier_t.png", {"data"}},
                                {P("00/b.tsd"), P("00/a_w.png"), P("01/c_t.png"), {"data"}},
                                {P("00/b.tsd"), P("00/a_w.png"), P("01/c_t.png"), {"data"}}};
    EXPECT_EQ(model.entries(), expected);
}

TEST_F(Reload, WithoutFolderZeroTheListEndsEmptyAndTheFieldsStay) {
    model.currentEntry() = {"/kept.tsd", "", "", {}};
    EXPECT_TRUE(model.ReloadExhibition(Exhibition()));
    EXPECT_TRUE(model.entries().empty());
    EXPECT_EQ(controls.count, "0");
    EXPECT_EQ(model.selectedIndex(), -1);
    EXPECT_EQ(model.currentEntry().documentPath, "/kept.tsd");
}

TEST_F(Reload, ReadsAtMostOneHundredFolders) {
    for (int i = 0; i < 100; ++i) {
        char number[8];
        std::snprintf(number, sizeof number, "%02d", i);
        Folder(number, {});
    }
    Folder("100", {"x.tsd"});
    EXPECT_TRUE(model.ReloadExhibition(Exhibition()));
    EXPECT_EQ(model.entries().size(), 100u);
}

TEST_F(Reload, TheAnswerDecidesWhetherTheRestOfTheDropIsRead) {
    Folder("00", {"a.tsd", "a_w.png", "a_t.png"});
    test::WriteFile(show.path() / "later.tsd", "x");
    struct Case {
        bool answer;
        std::size_t entries;
        std::string document;
    };
    for (const Case& c : {Case{false, 0, "/before.tsd"}, Case{true, 1, P("later.tsd")}}) {
        model.entries().clear();
        model.currentEntry() = {"/before.tsd", "", "", {}};
        messages.answers = {c.answer};
        model.HandleDroppedFiles({Exhibition(), P("later.tsd")});
        EXPECT_EQ(model.entries().size(), c.entries);
        EXPECT_EQ(model.currentEntry().documentPath, c.document);
        if (c.answer) {
            EXPECT_EQ(model.currentEntry().thumbnailPath, P("00/a_w.png"));
        }
    }
}

} // namespace
} // namespace lumo
