#include "model/MainDialogModel.h"
#include "platform/FileSystem.h"
#include "support/FakeControls.h"
#include "support/RecordingMessageBox.h"
#include "support/ScriptedFolderChooser.h"
#include "support/TempDir.h"
#include "support/TestImages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lumo {
namespace {

// A source folder with scene documents and images of known sizes.
class DropIntake : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"scene.tsd", "Exhibition.tsd", "EXHIBITION.TSD", "notes.txt"}) {
            test::WriteFile(dir.path() / name, "x");
        }
        test::WriteJpeg(dir / "wide.jpg", 192, 108);
        test::WritePng(dir / "tall.png", 108, 192);
        test::WritePng(dir / "square.png", 80, 80);
        test::WriteFile(dir.path() / "broken.png", "not a picture");
        model.Initialise();
    }

    std::string P(const std::string& name) const { return dir / name; }

    test::TempDir dir;
    test::FakeControls controls;
    RecordingMessageBox messages;
    ScriptedFolderChooser chooser;
    MainDialogModel model{controls, messages, chooser};
};

// How each file is classified is the exhibition's; the dialog fills its current entry
// with the result and shows it. Only the exact name exhibition.tsd starts a reload.
TEST_F(DropIntake, FillsTheCurrentEntryAndShowsIt) {
    struct Case {
        std::vector<std::string> dropped;
        std::string document, thumbnail, description;
    };
    const std::vector<Case> cases = {
        {{"scene.tsd", "wide.jpg", "tall.png"}, "scene.tsd", "wide.jpg", "tall.png"},
        {{"Exhibition.tsd", "square.png"}, "Exhibition.tsd", "square.png", ""},
        {{"EXHIBITION.TSD", "notes.txt", "broken.png"}, "EXHIBITION.TSD", "", ""},
    };
    for (const Case& c : cases) {
        test::FakeControls fields;
        MainDialogModel dialog{fields, messages, chooser};
        dialog.Initialise();
        std::vector<std::string> paths;
        for (const std::string& name : c.dropped) {
            paths.push_back(P(name));
        }
        dialog.HandleDroppedFiles(paths);
        auto expected = [&](const std::string& name) { return name.empty() ? name : P(name); };
        const ExhibitionEntry shown = {fields.document, fields.thumbnail, fields.description, {}};
        EXPECT_EQ(dialog.currentEntry(), shown) << c.dropped[0];
        EXPECT_EQ(shown,
                  (ExhibitionEntry{
                      expected(c.document), expected(c.thumbnail), expected(c.description), {}}))
            << c.dropped[0];
        EXPECT_TRUE(dialog.entries().empty());
    }
    EXPECT_TRUE(messages.calls.empty());
}

// A scene's source folder never becomes where the folder chooser opens: a hasty
// confirmation would build into it.
TEST_F(DropIntake, RewritesTheFieldsAfterEveryFileAndLeavesTheChooserAtHome) {
    model.HandleDroppedFiles({P("wide.jpg")});
    controls.calls.clear();
    model.HandleDroppedFiles({P("scene.tsd"), P("notes.txt")});
    EXPECT_EQ(controls.calls,
              (std::vector<std::string>{
                  "field 1001=" + P("scene.tsd"), "field 1003=", "field 1002=" + P("wide.jpg"),
                  "field 1001=" + P("scene.tsd"), "field 1003=", "field 1002=" + P("wide.jpg")}));
    EXPECT_EQ(model.browseStartPath(), HomeFolder());
}

TEST_F(DropIntake, KeepsWhatEarlierDropsPutThere) {
    model.HandleDroppedFiles({P("scene.tsd")});
    model.HandleDroppedFiles({P("tall.png")});
    EXPECT_EQ(model.currentEntry().documentPath, P("scene.tsd"));
    EXPECT_EQ(model.currentEntry().descriptionPath, P("tall.png"));
}

} // namespace
} // namespace lumo
