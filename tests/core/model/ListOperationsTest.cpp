#include "model/MainDialogModel.h"
#include "platform/PathParts.h"
#include "support/FakeControls.h"
#include "support/RecordingMessageBox.h"
#include "support/ScriptedFolderChooser.h"
#include "support/TempDir.h"
#include "support/TestImages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace lumo {
namespace {

// A dialog with named items registered in order, each dropped and added, and entry
// `selected` chosen by a click (-1: nothing selected). Item x is made of x.tsd,
// x_thumb.png and x_desc.png.
struct Dialog {
    test::TempDir files;
    test::FakeControls controls;
    RecordingMessageBox messages;
    ScriptedFolderChooser chooser;
    MainDialogModel model{controls, messages, chooser};

    explicit Dialog(const std::vector<std::string>& names = {}, int selected = -1) {
        model.Initialise();
        for (const std::string& name : names) {
            Drop(name);
            model.AddCurrentEntry();
        }
        if (selected >= 0) {
            Click(selected);
        }
        controls.calls.clear();
    }

    std::string Document(const std::string& name) const { return files / (name + ".tsd"); }
    std::string Thumbnail(const std::string& name) const { return files / (name + "_thumb.png"); }
    std::string Description(const std::string& name) const { return files / (name + "_desc.png"); }
    ExhibitionEntry Entry(const std::string& name) const {
        return {Document(name), Thumbnail(name), Description(name), {}};
    }

    // Drops the item's files but those of the fields left out.
    void Drop(const std::string& name, const std::vector<EntryField>& leftOut = {}) {
        if (!std::filesystem::exists(PathFromUtf8(Document(name)))) {
            test::WriteFile(Document(name), "<TessraFile>\n</TessraFile>\n");
            test::WritePng(Thumbnail(name), 40, 20);
            test::WritePng(Description(name), 20, 40);
        }
        std::vector<std::string> dropped;
        for (EntryField field :
             {EntryField::Document, EntryField::Thumbnail, EntryField::Description}) {
            if (std::find(leftOut.begin(), leftOut.end(), field) == leftOut.end()) {
                dropped.push_back(field == EntryField::Document    ? Document(name)
                                  : field == EntryField::Thumbnail ? Thumbnail(name)
                                                                   : Description(name));
            }
        }
        model.HandleDroppedFiles(dropped);
    }

    void Click(int index) {
        controls.highlighted = index;
        controls.cursorInItem = true;
        model.LoadSelectedEntry();
    }

    std::vector<std::string> Order() const {
        std::vector<std::string> names;
        for (const ExhibitionEntry& entry : model.entries()) {
            const std::string name = FileNamePart(entry.documentPath);
            names.push_back(name.substr(0, name.size() - 4));
        }
        return names;
    }
};

TEST(AddCurrentEntry, InsertsAfterTheSelectionOrAppends) {
    struct Case {
        std::vector<std::string> names;
        int selected;
        std::vector<std::string> order;
        int newSelection;
    };
    const std::vector<Case> cases = {
        {{}, -1, {"x"}, 0},
        {{"a", "b", "c", "d", "e"}, 2, {"a", "b", "c", "x", "d", "e"}, 3},
        {{"a", "b"}, 1, {"a", "b", "x"}, 2},
        {{"a", "b"}, 0, {"a", "x", "b"}, 1},
    };
    for (const Case& c : cases) {
        Dialog dialog(c.names, c.selected);
        dialog.Drop("x");
        dialog.model.AddCurrentEntry();
        EXPECT_EQ(dialog.Order(), c.order) << c.names.size() << " entries";
        EXPECT_EQ(dialog.model.selectedIndex(), c.newSelection);
        EXPECT_EQ(dialog.controls.highlighted, c.newSelection);
        EXPECT_EQ(dialog.controls.items.size(), c.order.size());
        EXPECT_EQ(dialog.controls.count, std::to_string(c.order.size()));
        EXPECT_TRUE(dialog.messages.calls.empty());
    }
}

TEST(AddCurrentEntry, RefusesAnIncompleteEntryAndChangesNothing) {
    for (EntryField missing :
         {EntryField::Document, EntryField::Thumbnail, EntryField::Description}) {
        Dialog dialog({"a"}, 0);
        dialog.model.ClearCurrentEntry();
        dialog.Drop("x", {missing});
        dialog.controls.calls.clear();
        dialog.model.AddCurrentEntry();
        EXPECT_EQ(dialog.Order(), std::vector<std::string>{"a"});
        EXPECT_TRUE(dialog.controls.calls.empty());
        ASSERT_EQ(dialog.messages.calls.size(), 1u);
        EXPECT_EQ(dialog.messages.calls[0],
                  (RecordingMessageBox::Call{RecordingMessageBox::Kind::Show,
                                             "エラー　要素が足りません"}));
    }
}

TEST(AddCurrentEntry, TwiceRegistersTheSameItemTwice) {
    Dialog dialog;
    dialog.Drop("a");
    dialog.model.AddCurrentEntry();
    dialog.model.AddCurrentEntry();
    EXPECT_EQ(dialog.Order(), (std::vector<std::string>{"a", "a"}));
    EXPECT_EQ(dialog.model.currentEntry(), dialog.Entry("a"));
}

TEST(DeleteSelectedEntry, SelectsAndShowsTheNeighbour) {
    struct Case {
        std::vector<std::string> names;
        int selected;
        std::vector<std::string> order;
        int newSelection;
        std::string shown;
    };
    const std::vector<Case> cases = {
        {{"a"}, 0, {}, -1, ""},
        {{"a", "b", "c"}, 0, {"b", "c"}, 0, "b"},
        {{"a", "b", "c"}, 1, {"a", "c"}, 1, "c"},
        {{"a", "b", "c"}, 2, {"a", "b"}, 1, "b"},
    };
    for (const Case& c : cases) {
        Dialog dialog(c.names, c.selected);
        dialog.model.DeleteSelectedEntry();
        const std::string shown = c.shown.empty() ? "" : dialog.Document(c.shown);
        EXPECT_EQ(dialog.Order(), c.order);
        EXPECT_EQ(dialog.model.selectedIndex(), c.newSelection);
        EXPECT_EQ(dialog.controls.highlighted, c.newSelection);
        EXPECT_EQ(dialog.controls.document, shown);
        EXPECT_EQ(dialog.model.currentEntry().documentPath, shown);
        EXPECT_EQ(dialog.controls.count, std::to_string(c.order.size()));
    }
}

// The data paths a build found travel with the entry into the current entry and stay
// there when the current entry is cleared.
TEST(DeleteSelectedEntry, DeletingTheOnlyEntryKeepsTheDataPaths) {
    Dialog dialog({"a"});
    test::WriteFile(dialog.files / "a.tsd", "<data name=\"d\" ><file path=\"d.dat\" /></data>\n");
    test::WriteFile(dialog.files / "d.dat", "data");
    test::TempDir show;
    dialog.chooser.answers = {show.path().string()};
    ASSERT_EQ(dialog.model.BuildExhibition().status, BuildStatus::Written);
    dialog.Click(0);
    dialog.controls.calls.clear();
    dialog.model.DeleteSelectedEntry();
    EXPECT_EQ(dialog.controls.calls,
              (std::vector<std::string>{"clear", "select -1", "field 1001=", "field 1003=",
                                        "field 1002=", "field 1008=0"}));
    EXPECT_EQ(dialog.model.currentEntry().dataPaths,
              std::vector<std::string>{dialog.files / "d.dat"});
    EXPECT_TRUE(dialog.model.currentEntry().thumbnailPath.empty());
}

TEST(ListOperations, DoNothingWithoutASelection) {
    Dialog dialog;
    dialog.model.DeleteSelectedEntry();
    dialog.model.MoveSelectedEntryUp();
    dialog.model.MoveSelectedEntryDown();
    dialog.model.LoadSelectedEntry();
    EXPECT_TRUE(dialog.controls.calls.empty());
    EXPECT_EQ(dialog.model.selectedIndex(), -1);
}

TEST(MoveSelectedEntry, SwapsWithTheNeighbourAndKeepsItSelected) {
    struct Case {
        bool up;
        std::vector<std::string> names;
        int selected;
        std::vector<std::string> order;
        int newSelection;
    };
    const std::vector<Case> cases = {
        {true, {"a", "b", "c"}, 0, {"a", "b", "c"}, 0},
        {false, {"a", "b", "c"}, 2, {"a", "b", "c"}, 2},
        {false, {"a", "b"}, 0, {"b", "a"}, 1},
        {true, {"a", "b", "c"}, 2, {"a", "c", "b"}, 1},
    };
    for (const Case& c : cases) {
        Dialog dialog(c.names, c.selected);
        c.up ? dialog.model.MoveSelectedEntryUp() : dialog.model.MoveSelectedEntryDown();
        EXPECT_EQ(dialog.Order(), c.order);
        EXPECT_EQ(dialog.model.selectedIndex(), c.newSelection);
        std::vector<std::string> shownOrder;
        for (const std::string& name : c.order) {
            shownOrder.push_back(dialog.Document(name));
        }
        EXPECT_EQ(dialog.controls.items, shownOrder);
        EXPECT_EQ(dialog.controls.highlighted, c.newSelection);
        const bool moved = c.order != c.names;
        EXPECT_EQ(dialog.controls.calls.empty(), !moved);
        if (moved) {
            EXPECT_EQ(dialog.model.currentEntry().documentPath,
                      dialog.Document(c.order[static_cast<std::size_t>(c.newSelection)]));
        }
    }
}

TEST(MoveSelectedEntry, ShowsTheEntryThenRefillsTheListWithoutTheCount) {
    Dialog dialog({"a", "b"}, 0);
    dialog.model.MoveSelectedEntryDown();
    EXPECT_EQ(dialog.controls.calls,
              (std::vector<std::string>{
                  "field 1001=" + dialog.Document("a"), "field 1003=" + dialog.Description("a"),
                  "field 1002=" + dialog.Thumbnail("a"), "clear", "append " + dialog.Document("b"),
                  "append " + dialog.Document("a"), "select 1"}));
}

TEST(LoadSelectedEntry, FollowsTheCursorTestUnlessAnArrowKeyWasPressed) {
    struct Case {
        bool cursorInItem;
        bool arrowKey;
        std::string shown;
    };
    const std::vector<Case> cases = {
        {true, false, "b"},
        {false, false, "a"},
        {false, true, "b"},
    };
    for (const Case& c : cases) {
        Dialog dialog({"a", "b", "c"}, 0);
        if (c.arrowKey) {
            dialog.model.SetArrowKeyPressed();
        }
        dialog.controls.highlighted = 1;
        dialog.controls.cursorInItem = c.cursorInItem;
        dialog.model.LoadSelectedEntry();
        EXPECT_EQ(dialog.model.selectedIndex(), 1);
        EXPECT_EQ(dialog.model.currentEntry().documentPath, dialog.Document(c.shown));
        EXPECT_FALSE(dialog.model.arrowKeyPressed());
    }
}

TEST(LoadSelectedEntry, AFailedCursorTestStillMovesTheSelectionForDelete) {
    Dialog dialog({"a", "b", "c"}, 0);
    dialog.controls.highlighted = 2;
    dialog.controls.cursorInItem = false;
    dialog.model.LoadSelectedEntry();
    EXPECT_TRUE(dialog.controls.calls.empty());
    dialog.model.DeleteSelectedEntry();
    EXPECT_EQ(dialog.Order(), (std::vector<std::string>{"a", "b"}));
}

TEST(LoadSelectedEntry, ShowsTheFieldsInDisplayOrder) {
    Dialog dialog({"a", "b"}, 0);
    dialog.Click(1);
    EXPECT_EQ(dialog.controls.calls,
              (std::vector<std::string>{
                  "field 1001=" + dialog.Document("b"), "field 1003=" + dialog.Description("b"),
                  "field 1002=" + dialog.Thumbnail("b"), "clear", "append " + dialog.Document("a"),
                  "append " + dialog.Document("b"), "select 1"}));
}

// 登録数 reads 0 from the start, not only once a deletion empties the list.
TEST(CountField, ReadsZeroFromTheStartAndCountsEachAdd) {
    Dialog dialog;
    dialog.Drop("a", {EntryField::Description});
    dialog.model.AddCurrentEntry();
    EXPECT_EQ(dialog.controls.count, "0");
    dialog.Drop("a");
    dialog.controls.calls.clear();
    dialog.model.AddCurrentEntry();
    EXPECT_EQ(dialog.controls.calls,
              (std::vector<std::string>{"clear", "append " + dialog.Document("a"), "select 0",
                                        "field 1008=1"}));
}

} // namespace
} // namespace lumo
