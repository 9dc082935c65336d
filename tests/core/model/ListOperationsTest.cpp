#include "model/MainDialogModel.h"
#include "support/FakeControls.h"
#include "support/RecordingMessageBox.h"
#include "support/ScriptedFolderChooser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumo {
namespace {

ExhibitionEntry Entry(const std::string& name) {
    return {name + ".tsd", name + "_thumb.jpg", name + "_desc.png", {name + "/data"}};
}

// A dialog with named entries registered in order and entry `selected` chosen by a click
// (-1: nothing selected).
struct Dialog {
    test::FakeControls controls;
    RecordingMessageBox messages;
    ScriptedFolderChooser chooser;
    MainDialogModel model{controls, messages, chooser};

    explicit Dialog(const std::vector<std::string>& names = {}, int selected = -1) {
        model.Initialise();
        for (const std::string& name : names) {
            model.currentEntry() = Entry(name);
            model.AddCurrentEntry();
        }
        if (selected >= 0) {
            Click(selected);
        }
        controls.calls.clear();
    }

    void Click(int index) {
        controls.highlighted = index;
        controls.cursorInItem = true;
        model.LoadSelectedEntry();
    }

    std::vector<std::string> Order() const {
        std::vector<std::string> names;
        for (const ExhibitionEntry& entry : model.entries()) {
            names.push_back(entry.documentPath.substr(0, entry.documentPath.size() - 4));
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
        dialog.model.currentEntry() = Entry("x");
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
    for (int missing = 0; missing < 3; ++missing) {
        Dialog dialog({"a"}, 0);
        ExhibitionEntry entry = Entry("x");
        (missing == 0   ? entry.documentPath
         : missing == 1 ? entry.thumbnailPath
                        : entry.descriptionPath)
            .clear();
        dialog.model.currentEntry() = entry;
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
    dialog.model.currentEntry() = Entry("a");
    dialog.model.AddCurrentEntry();
    dialog.model.AddCurrentEntry();
    EXPECT_EQ(dialog.Order(), (std::vector<std::string>{"a", "a"}));
    EXPECT_EQ(dialog.model.currentEntry(), Entry("a"));
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
        {{"a", "b", "c"}, 0, {"b", "c"}, 0, "b.tsd"},
        {{"a", "b", "c"}, 1, {"a", "c"}, 1, "c.tsd"},
        {{"a", "b", "c"}, 2, {"a", "b"}, 1, "b.tsd"},
    };
    for (const Case& c : cases) {
        Dialog dialog(c.names, c.selected);
        dialog.model.DeleteSelectedEntry();
        EXPECT_EQ(dialog.Order(), c.order);
        EXPECT_EQ(dialog.model.selectedIndex(), c.newSelection);
        EXPECT_EQ(dialog.controls.highlighted, c.newSelection);
        EXPECT_EQ(dialog.controls.document, c.shown);
        EXPECT_EQ(dialog.model.currentEntry().documentPath, c.shown);
        EXPECT_EQ(dialog.controls.count, std::to_string(c.order.size()));
    }
}

TEST(DeleteSelectedEntry, DeletingTheOnlyEntryKeepsTheDataPaths) {
    Dialog dialog({"a"}, 0);
    dialog.model.DeleteSelectedEntry();
    EXPECT_EQ(dialog.controls.calls,
              (std::vector<std::string>{"clear", "select -1", "field 1001=", "field 1003=",
                                        "field 1002=", "field 1008=0"}));
    EXPECT_EQ(dialog.model.currentEntry().dataPaths, std::vector<std::string>{"a/data"});
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
            shownOrder.push_back(name + ".tsd");
        }
        EXPECT_EQ(dialog.controls.items, shownOrder);
        EXPECT_EQ(dialog.controls.highlighted, c.newSelection);
        const bool moved = c.order != c.names;
        EXPECT_EQ(dialog.controls.calls.empty(), !moved);
        if (moved) {
            EXPECT_EQ(dialog.model.currentEntry().documentPath,
                      c.order[static_cast<std::size_t>(c.newSelection)] + ".tsd");
        }
    }
}

TEST(MoveSelectedEntry, ShowsTheEntryThenRefillsTheListWithoutTheCount) {
    Dialog dialog({"a", "b"}, 0);
    dialog.model.MoveSelectedEntryDown();
    EXPECT_EQ(dialog.controls.calls,
              (std::vector<std::string>{"field 1001=a.tsd", "field 1003=a_desc.png",
                                        "field 1002=a_thumb.jpg", "clear", "append b.tsd",
                                        "append a.tsd", "select 1"}));
}

TEST(LoadSelectedEntry, FollowsTheCursorTestUnlessAnArrowKeyWasPressed) {
    struct Case {
        bool cursorInItem;
        bool arrowKey;
        std::string shown;
    };
    const std::vector<Case> cases = {
        {true, false, "b.tsd"},
        {false, false, "a.tsd"},
        {false, true, "b.tsd"},
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
        EXPECT_EQ(dialog.model.currentEntry().documentPath, c.shown);
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
              (std::vector<std::string>{"field 1001=b.tsd", "field 1003=b_desc.png",
                                        "field 1002=b_thumb.jpg", "clear", "append a.tsd",
                                        "append b.tsd", "select 1"}));
}

TEST(CountField, StaysBlankUntilTheFirstAdd) {
    test::FakeControls controls;
    RecordingMessageBox messages;
    ScriptedFolderChooser chooser;
    MainDialogModel model(controls, messages, chooser);
    model.Initialise();
    model.currentEntry() = Entry("a");
    model.currentEntry().descriptionPath.clear();
    model.AddCurrentEntry();
    EXPECT_TRUE(controls.count.empty());
    model.currentEntry() = Entry("a");
    model.AddCurrentEntry();
    EXPECT_EQ(controls.calls,
              (std::vector<std::string>{"clear", "append a.tsd", "select 0", "field 1008=1"}));
}

} // namespace
} // namespace lumo
