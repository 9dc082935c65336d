#include "model/MainDialogModel.h"
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

// A source folder with scene documents and images of known sizes.
class DropIntake : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name :
             {"scene.tsd", "Scene.TSD", "other.tsd", "Exhibition.tsd", "EXHIBITION.TSD",
              "notes.txt", "image.gif", "archive.jpg.zip", "noextension", "photo.my file"}) {
            test::WriteFile(dir.path() / name, "x");
        }
        test::WriteJpeg(dir / "wide.jpg", 192, 108);
        test::WriteJpeg(dir / "PHOTO.JPG", 64, 48);
        test::WritePng(dir / "tall.png", 108, 192);
        test::WritePng(dir / "square.png", 80, 80);
        test::WriteFile(dir.path() / "broken.png", "not a picture");
        std::filesystem::create_directories(dir.path() / "folder.tsd");
        model.Initialise();
    }

    std::string P(const std::string& name) const { return dir / name; }

    test::TempDir dir;
    test::FakeControls controls;
    RecordingMessageBox messages;
    ScriptedFolderChooser chooser;
    MainDialogModel model{controls, messages, chooser};
};

TEST_F(DropIntake, SortsEachFileIntoItsField) {
    struct Case {
        std::vector<std::string> dropped;
        std::string document, thumbnail, description;
    };
    const std::vector<Case> cases = {
        {{"scene.tsd", "wide.jpg", "tall.png"}, "scene.tsd", "wide.jpg", "tall.png"},
        {{"square.png"}, "", "square.png", ""},
        {{"PHOTO.JPG", "Scene.TSD"}, "Scene.TSD", "PHOTO.JPG", ""},
        {{"Exhibition.tsd"}, "Exhibition.tsd", "", ""},
        {{"EXHIBITION.TSD"}, "EXHIBITION.TSD", "", ""},
        {{"notes.txt", "image.gif", "archive.jpg.zip", "noextension", "photo.my file"}, "", "", ""},
        {{"wide.jpg", "PHOTO.JPG"}, "", "PHOTO.JPG", ""},
        {{"scene.tsd", "other.tsd"}, "other.tsd", "", ""},
        {{"broken.png", "missing.png"}, "", "", ""},
        {{"folder.tsd"}, "", "", ""},
    };
    for (const Case& c : cases) {
        model.currentEntry() = {};
        std::vector<std::string> paths;
        for (const std::string& name : c.dropped) {
            paths.push_back(P(name));
        }
        model.HandleDroppedFiles(paths);
        auto expected = [&](const std::string& name) { return name.empty() ? name : P(name); };
        EXPECT_EQ(model.currentEntry().documentPath, expected(c.document)) << c.dropped[0];
        EXPECT_EQ(model.currentEntry().thumbnailPath, expected(c.thumbnail)) << c.dropped[0];
        EXPECT_EQ(model.currentEntry().descriptionPath, expected(c.description)) << c.dropped[0];
        EXPECT_EQ(controls.document, expected(c.document));
        EXPECT_EQ(controls.thumbnail, expected(c.thumbnail));
        EXPECT_EQ(controls.description, expected(c.description));
    }
    EXPECT_TRUE(messages.calls.empty());
    EXPECT_TRUE(model.entries().empty());
}

TEST_F(DropIntake, RewritesTheFieldsAfterEveryFileAndRemembersTheLastDocument) {
    const std::string start = model.browseStartPath();
    model.HandleDroppedFiles({P("wide.jpg")});
    EXPECT_EQ(model.browseStartPath(), start);
    controls.calls.clear();
    model.HandleDroppedFiles({P("scene.tsd"), P("notes.txt")});
    EXPECT_EQ(controls.calls,
              (std::vector<std::string>{
                  "field 1001=" + P("scene.tsd"), "field 1003=", "field 1002=" + P("wide.jpg"),
                  "field 1001=" + P("scene.tsd"), "field 1003=", "field 1002=" + P("wide.jpg")}));
    EXPECT_EQ(model.browseStartPath(), P("scene.tsd"));
}

TEST_F(DropIntake, KeepsWhatEarlierDropsPutThere) {
    model.HandleDroppedFiles({P("scene.tsd")});
    model.currentEntry().dataPaths = {"kept"};
    model.HandleDroppedFiles({P("tall.png")});
    EXPECT_EQ(model.currentEntry().documentPath, P("scene.tsd"));
    EXPECT_EQ(model.currentEntry().descriptionPath, P("tall.png"));
    EXPECT_EQ(model.currentEntry().dataPaths, std::vector<std::string>{"kept"});
}

} // namespace
} // namespace lumo
