#include "exhibition/Exhibition.h"
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

using Fields = std::vector<EntryField>;
using Names = std::vector<std::string>;

const std::string kMissingElement = "エラー　要素が足りません";

// A source folder with scene documents, images of known sizes and files that are neither.
class AppendItem : public ::testing::Test {
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
    }

    Names P(const Names& names) const {
        Names paths;
        for (const std::string& name : names) {
            paths.push_back(name.empty() ? name : dir / name);
        }
        return paths;
    }

    test::TempDir dir;
};

TEST_F(AppendItem, ClassifiesEachFileAsADropWould) {
    struct Case {
        Names files;
        Names fields; // document, thumbnail, description: empty when refused
        Fields missing;
        Names ignored;
        // Each as "earlier>later".
        Names replaced = {};
    };
    const std::vector<Case> cases = {
        {{"scene.tsd", "wide.jpg", "tall.png"}, {"scene.tsd", "wide.jpg", "tall.png"}, {}, {}},
        // A square image is a thumbnail; extensions count whatever their letter case.
        {{"square.png", "Scene.TSD", "tall.png"}, {"Scene.TSD", "square.png", "tall.png"}, {}, {}},
        // A later file of a kind replaces the earlier one.
        {{"PHOTO.JPG", "scene.tsd", "tall.png", "other.tsd", "wide.jpg"},
         {"other.tsd", "wide.jpg", "tall.png"},
         {},
         {},
         {"scene.tsd>other.tsd", "PHOTO.JPG>wide.jpg"}},
        // Only the exact name exhibition.tsd is a built exhibition.
        {{"Exhibition.tsd", "wide.jpg", "tall.png"},
         {"Exhibition.tsd", "wide.jpg", "tall.png"},
         {},
         {}},
        {{"EXHIBITION.TSD", "wide.jpg", "tall.png"},
         {"EXHIBITION.TSD", "wide.jpg", "tall.png"},
         {},
         {}},
        {{"notes.txt", "scene.tsd", "image.gif", "archive.jpg.zip", "wide.jpg", "noextension",
          "photo.my file", "broken.png", "missing.png", "folder.tsd", "tall.png"},
         {"scene.tsd", "wide.jpg", "tall.png"},
         {},
         {"notes.txt", "image.gif", "archive.jpg.zip", "noextension", "photo.my file", "broken.png",
          "missing.png", "folder.tsd"}},
        {{"wide.jpg"}, {}, {EntryField::Document, EntryField::Description}, {}},
        {{"tall.png", "notes.txt"},
         {},
         {EntryField::Document, EntryField::Thumbnail},
         {"notes.txt"}},
        {{}, {}, {EntryField::Document, EntryField::Thumbnail, EntryField::Description}, {}},
    };
    for (const Case& c : cases) {
        const std::string where = c.files.empty() ? "no files" : c.files.front();
        Exhibition exhibition;
        exhibition.AppendItem(P({"scene.tsd", "wide.jpg", "tall.png"}));
        const ItemAddition addition = exhibition.AppendItem(P(c.files));

        EXPECT_EQ(addition.added, c.missing.empty()) << where;
        EXPECT_EQ(addition.position, 1u) << where;
        EXPECT_EQ(addition.missing, c.missing) << where;
        EXPECT_EQ(addition.reason, c.missing.empty() ? "" : kMissingElement) << where;
        EXPECT_EQ(addition.ignored, P(c.ignored)) << where;
        Names replaced;
        for (const ReplacedFile& file : addition.replaced) {
            replaced.push_back(file.file.substr(dir.folder().size()) + ">" +
                               file.by.substr(dir.folder().size()));
        }
        EXPECT_EQ(replaced, c.replaced) << where;
        ASSERT_EQ(exhibition.entries().size(), c.missing.empty() ? 2u : 1u) << where;
        if (c.missing.empty()) {
            const ExhibitionEntry& added = exhibition.entries().back();
            EXPECT_EQ(P(c.fields),
                      (Names{added.documentPath, added.thumbnailPath, added.descriptionPath}))
                << where;
        }
    }
}

ExhibitionEntry Entry(const std::string& name) {
    return {name + ".tsd", name + "_thumb.jpg", name + "_desc.png", {name + "/data"}};
}

Names Order(const Exhibition& exhibition) {
    Names names;
    for (const ExhibitionEntry& entry : exhibition.entries()) {
        names.push_back(entry.documentPath.substr(0, entry.documentPath.size() - 4));
    }
    return names;
}

TEST(ExhibitionList, InsertRemoveAndSwapKeepEveryFieldOfAnEntry) {
    enum class Op { Insert, Remove, Swap };
    struct Case {
        Op op;
        std::size_t first;
        std::size_t second;
        Names order;
    };
    const std::vector<Case> cases = {
        {Op::Insert, 0, 0, {"x", "a", "b", "c"}}, {Op::Insert, 2, 0, {"a", "b", "x", "c"}},
        {Op::Insert, 3, 0, {"a", "b", "c", "x"}}, {Op::Insert, 7, 0, {"a", "b", "c", "x"}},
        {Op::Remove, 0, 0, {"b", "c"}},           {Op::Remove, 2, 0, {"a", "b"}},
        {Op::Remove, 3, 0, {"a", "b", "c"}},      {Op::Swap, 0, 2, {"c", "b", "a"}},
        {Op::Swap, 1, 1, {"a", "b", "c"}},        {Op::Swap, 1, 3, {"a", "b", "c"}},
    };
    for (const Case& c : cases) {
        Exhibition exhibition;
        for (const char* name : {"a", "b", "c"}) {
            exhibition.Insert(exhibition.entries().size(), Entry(name));
        }
        switch (c.op) {
        case Op::Insert: {
            const ItemAddition addition = exhibition.Insert(c.first, Entry("x"));
            EXPECT_TRUE(addition.added);
            EXPECT_EQ(addition.position, std::min<std::size_t>(c.first, 3));
            break;
        }
        case Op::Remove:
            exhibition.Remove(c.first);
            break;
        case Op::Swap:
            exhibition.Swap(c.first, c.second);
            break;
        }
        EXPECT_EQ(Order(exhibition), c.order) << static_cast<int>(c.op) << " " << c.first;
        for (const ExhibitionEntry& entry : exhibition.entries()) {
            const std::string name = entry.documentPath.substr(0, 1);
            EXPECT_EQ(entry, Entry(name));
        }
    }
}

} // namespace
} // namespace lumo
