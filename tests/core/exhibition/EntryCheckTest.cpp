#include "exhibition/EntryCheck.h"
#include "platform/PathParts.h"

#include "support/FailingWrites.h"
#include "support/PrintProblem.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace lumo {

namespace {

namespace fs = std::filesystem;
using Kind = ProblemKind;
using namespace std::string_literals;

const std::string kTopGroup = "<drawGroup name=\"Sur\" ></drawGroup>\n";

// count elements open + number + close, one a line.
std::string Elements(const std::string& open, const std::string& close, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += open + std::to_string(i) + "\" >" + close + "\n";
    }
    return text;
}

// One item in s/ (scene document), img/ (images) and the paging images in res/; a row
// writes its own scene text and changes the item or the files as it needs.
struct ItemFiles {
    test::TempDir temp;
    // A path under the temporary folder from one written with '/'.
    std::string at(const std::string& relative) const { return temp / test::Native(relative); }

    ExhibitionEntry entry{at("s/scene.tsd"), at("img/t.jpg"), at("img/d.png"), {}};
    std::unique_ptr<test::UnreadableFile> unreadable;

    ItemFiles() {
        for (const char* file : {"img/t.jpg", "img/d.png", "res/up.jpg", "res/down.jpg"}) {
            test::WriteFile(temp.path() / file, "x");
        }
    }
    void write(const std::string& relative, const std::string& bytes = "x") {
        test::WriteFile(temp.path() / relative, bytes);
    }
};

struct Expected {
    bool entry;
    Kind kind;
    std::string path; // relative to the temporary folder
    // A detail ending in * stands for every detail that begins with the rest (a parser's
    // message differs between systems).
    std::string detail = {};
};

// The scene of a case is the body of the document's root element, whose start tag is
// line 1.
std::string SceneDocument(const std::string& body) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><TessraFile>\n" + body + "\n</TessraFile>\n";
}

const std::string kOwnFolderScene = SceneDocument(kTopGroup + "<data name=\"a\" ></data>");

struct Case {
    const char* what;
    std::string scene;
    std::function<void(ItemFiles&)> arrange;
    std::vector<Expected> expected;
};

TEST(CheckEntries, ReportsEachKindOfProblemWithItsPaths) {
    const std::vector<Case> cases = {
        {"a sound item",
         kTopGroup + "<data name=\"a\" path=\"a.dat\" ></data>",
         [](ItemFiles& s) { s.write("s/a.dat"); },
         {}},
        {"document missing",
         kTopGroup,
         [](ItemFiles& s) { s.entry.documentPath = s.at("s/gone.tsd"); },
         {{true, Kind::MissingDocument, "s/gone.tsd"}}},
        {"document unreadable",
         kTopGroup,
         [](ItemFiles& s) {
             fs::create_directories(s.temp.path() / "s/folder.tsd");
             s.entry.documentPath = s.at("s/folder.tsd");
         },
         {{true, Kind::Unreadable, "s/folder.tsd"}}},
        {"thumbnail missing",
         kTopGroup,
         [](ItemFiles& s) { fs::remove(s.temp.path() / "img/t.jpg"); },
         {{true, Kind::MissingThumbnail, "img/t.jpg"}}},
        {"description missing",
         kTopGroup,
         [](ItemFiles& s) { fs::remove(s.temp.path() / "img/d.png"); },
         {{true, Kind::MissingDescription, "img/d.png"}}},
        {"data file missing",
         kTopGroup + "<data name=\"a\" path=\"gone.dat\" ></data>",
         {},
         {{true, Kind::MissingDataFile, "s/gone.dat"}}},
        {"extension-less data path naming nothing",
         kTopGroup + "<data name=\"a\" path=\"noext\" ></data>",
         [](ItemFiles& s) { s.write("s/noext.dat"); },
         {{true, Kind::MissingDataFolder, "s/noext"}}},
        {"data file that cannot be read",
         kTopGroup + "<data name=\"a\" path=\"p.dat\" ></data>",
         [](ItemFiles& s) {
             s.unreadable = std::make_unique<test::UnreadableFile>(s.at("s/p.dat"));
         },
         {{true, Kind::Unreadable, "s/p.dat"}}},
        // The system opens a.dat; staging refuses the path.
        {"data path holding a control character",
         kTopGroup + "<data name=\"a\" path=\"a.dat\0b.dat\" ></data>"s,
         [](ItemFiles& s) { s.write("s/a.dat"); },
         {{true, Kind::Unreadable, "s/a.dat\0b.dat"s},
          {true, Kind::NotWellFormed, "s/scene.tsd", "3: *"}}},
        {"data file named like the thumbnail, letter case aside",
         kTopGroup + "<data name=\"a\" path=\"T.JPG\" ></data>",
         [](ItemFiles& s) { s.write("s/T.JPG"); },
         {{true, Kind::NameCollision, "s/T.JPG", "img/t.jpg"}}},
        {"data file with a folder part",
         kTopGroup + "<data name=\"a\" path=\"sub\\x.dat\" ></data>",
         [](ItemFiles& s) { s.write("s/sub/x.dat"); },
         {{true, Kind::FolderReference, "s/sub/x.dat", "sub\\x.dat"}}},
        {"data folder with a sub-folder",
         kTopGroup + "<data name=\"a\" path=\"slices\\\" ></data>",
         [](ItemFiles& s) {
             s.write("s/slices/0.raw");
             s.write("s/slices/deep/1.raw");
         },
         {{true, Kind::DataSubfolder, "s/slices/deep"}}},
        {"data folder holding a file that cannot be read",
         kTopGroup + "<data name=\"a\" path=\"slices\\\" ></data>",
         [](ItemFiles& s) {
             s.write("s/slices/0.raw");
             s.unreadable = std::make_unique<test::UnreadableFile>(s.at("s/slices/1.raw"));
         },
         {{true, Kind::Unreadable, "s/slices/1.raw"}}},
        {"101 data elements",
         kTopGroup + Elements("<data name=\"d", "<file path=\"f.dat\" /></data>", 101),
         [](ItemFiles& s) { s.write("s/f.dat"); },
         {{true, Kind::TooManyDataElements, "s/scene.tsd", "101: d100"}}},
        // Collected once, written twice: the exhibition drops the last one.
        {"101 data elements, two differing only by a line break",
         kTopGroup + "<data name=\"d0\" >\n<file path=\"f.dat\" /></data>\n" +
             Elements("<data name=\"d", "<file path=\"f.dat\" /></data>", 100),
         [](ItemFiles& s) { s.write("s/f.dat"); },
         {{true, Kind::TooManyDataElements, "s/scene.tsd", "101: d99"}}},
        {"101 draw groups",
         kTopGroup + Elements("<drawGroup name=\"g", "</drawGroup>", 100),
         {},
         {{true, Kind::TooManyDrawGroups, "s/scene.tsd", "101: g99"}}},
        {"no top group",
         "<drawGroup name=\"Body\" ></drawGroup>",
         {},
         {{true, Kind::NoTopGroup, "s/scene.tsd", "Body"}}},
        {"several top groups",
         "<drawGroup name=\"SurA\" ></drawGroup><drawGroup name=\"SurB\" ></drawGroup>",
         {},
         {{true, Kind::SeveralTopGroups, "s/scene.tsd", "SurA"}}},
        {"data path ending in ..",
         kTopGroup + "<data name=\"a\" ><file path=\"..\" /></data>",
         {},
         {{true, Kind::DotDataPath, "s/..", ".."}}},
        {"data path of the scene's own folder, empty",
         kTopGroup + "<data name=\"a\" ><file path=\"\" /></data>",
         {},
         {{true, Kind::OwnFolderData, "s/", "1: *"}}},
        {"data path of the scene's own folder, a backslash",
         kTopGroup + "<data name=\"a\" ><file path=\"\\\" /></data>",
         {},
         {{true, Kind::OwnFolderData, "s//", "1: *"}}},
        {"data element without a file copies the scene's folder",
         {},
         [](ItemFiles& s) {
             s.write("own/scene.tsd", kOwnFolderScene);
             s.write("own/slice.raw", std::string(1000, 'x'));
             s.entry.documentPath = s.at("own/scene.tsd");
         },
         {{true, Kind::OwnFolderData, "own/",
           "2: " + std::to_string(1000 + kOwnFolderScene.size())}}},
        {"names Windows cannot hold",
         kTopGroup + "<data name=\"a\" ><file path=\"nul.dat\" /></data>"
                     "<data name=\"b\" ><file path=\"x.dat.\" /></data>",
         {},
         // Where it names a device, staging cannot make it at all.
         {{true, IsDeviceName("nul.dat") ? Kind::UnusableName : Kind::MissingDataFile, "s/nul.dat"},
          {true, Kind::MissingDataFile, "s/x.dat."},
          {true, Kind::WindowsName, "s/nul.dat"},
          {true, Kind::WindowsName, "s/x.dat."}}},
        {"names equal to Windows beyond ASCII",
         kTopGroup + "<data name=\"a\" ><file path=\"\xC3\x84.dat\" /></data>"
                     "<data name=\"b\" ><file path=\"\xC3\xA4.dat\" /></data>",
         {},
         {{true, Kind::MissingDataFile, "s/\xC3\x84.dat"},
          {true, Kind::MissingDataFile, "s/\xC3\xA4.dat"}}},
        // Read as XML, as the viewer reads it.
        {"not well-formed",
         kTopGroup + "<data name=\"a\" ><file path=\"a.dat\" ></data>",
         [](ItemFiles& s) { s.write("s/a.dat"); },
         {{true, Kind::NotWellFormed, "s/scene.tsd", "3: *"}}},
        {"spaces around an attribute's =",
         kTopGroup + "<data name=\"a\" ><file path = \"x.dat\" /></data>",
         [](ItemFiles& s) { s.write("s/x.dat"); },
         {{true, Kind::DataPathMisread, "s/scene.tsd", "3: x.dat"},
          {true, Kind::OwnFolderData, "s/", "2: *"}}},
        {"two files in one data element",
         kTopGroup +
             "<data name=\"a\" >\n<file path=\"a.dat\" />\n<file path=\"index.dat\" />\n</data>",
         [](ItemFiles& s) {
             s.write("s/a.dat");
             s.write("s/index.dat");
         },
         {{true, Kind::ExtraDataFile, "s/scene.tsd", "3: index.dat"}}},
        {"self-closing data element swallowing the next",
         kTopGroup +
             "<data name=\"a\" path=\"a.dat\" />\n<data name=\"b\" ><file path=\"b.dat\" /></data>",
         [](ItemFiles& s) {
             s.write("s/a.dat");
             s.write("s/b.dat");
         },
         {{true, Kind::DataPathMisread, "s/scene.tsd", "4: b.dat"}}},
        {"data element in a comment",
         kTopGroup + "<!--\n<data name=\"old\" ><file path=\"old.dat\" /></data>\n-->",
         {},
         {{true, Kind::MissingDataFile, "s/old.dat"},
          {true, Kind::StrayDataPath, "s/scene.tsd", "4: old.dat"}}},
        {"data element in CDATA",
         kTopGroup + "<note><![CDATA[<data name=\"c\" ><file path=\"c.dat\" /></data>]]></note>",
         [](ItemFiles& s) { s.write("s/c.dat"); },
         {{true, Kind::StrayDataPath, "s/scene.tsd", "3: c.dat"}}},
        {"draw group whose name the build does not prefix",
         kTopGroup + "<drawGroup name = \"B\" ></drawGroup>",
         {},
         {{true, Kind::DrawGroupMisread, "s/scene.tsd", "3: B"}}},
        {"draw group in a comment",
         kTopGroup + "<!-- <drawGroup name=\"Old\" ></drawGroup> -->",
         {},
         {{true, Kind::StrayDrawGroup, "s/scene.tsd", "3: Old"}}},
        {"top group and name taken from another attribute",
         "<drawGroup surname=\"Sur\" name=\"B\" ></drawGroup>",
         {},
         {{true, Kind::DrawGroupMisread, "s/scene.tsd", "2: B"},
          {true, Kind::TopGroupMisread, "s/scene.tsd", "2: Sur"}}},
        {"paging image missing",
         kTopGroup,
         [](ItemFiles& s) { fs::remove(s.temp.path() / "res/down.jpg"); },
         {{false, Kind::MissingPagingImage, "res/down.jpg"}}},
    };
    for (const Case& c : cases) {
        ItemFiles setup;
        setup.write("s/scene.tsd", SceneDocument(c.scene));
        if (c.arrange) {
            c.arrange(setup);
        }
        ProblemList expected;
        for (const Expected& e : c.expected) {
            const std::string detail =
                e.kind == Kind::NameCollision ? setup.at(e.detail) : e.detail;
            expected.push_back({e.entry ? std::optional<std::size_t>(1) : std::nullopt, e.kind,
                                setup.at(e.path), detail});
        }
        // Checked as the second entry, after a sound one.
        setup.write("ok/ok.tsd", SceneDocument(kTopGroup));
        setup.write("ok/t.jpg");
        setup.write("ok/d.png");
        const EntryList list = {
            {setup.at("ok/ok.tsd"), setup.at("ok/t.jpg"), setup.at("ok/d.png"), {}}, setup.entry};
        ProblemList found = CheckEntries(list, setup.temp / "res").problems;
        for (std::size_t k = 0; k < std::min(found.size(), expected.size()); ++k) {
            std::string& wanted = expected[k].detail;
            if (!wanted.empty() && wanted.back() == '*' &&
                found[k].detail.compare(0, wanted.size() - 1, wanted, 0, wanted.size() - 1) == 0) {
                wanted = found[k].detail;
            }
        }
        EXPECT_EQ(found, expected) << c.what;
    }
}

TEST(CheckEntries, CollectsTheDataPathsWithoutTouchingTheEntries) {
    ItemFiles setup;
    setup.write("s/scene.tsd", kTopGroup + "<data name=\"a\" path=\"a.dat\" ></data>"
                                           "<data name=\"b\" ></data>");
    setup.write("s/a.dat");
    const EntryList entries = {setup.entry};
    const EntryCheck check = CheckEntries(entries, setup.temp / "res");
    EXPECT_EQ(check.dataPaths,
              (std::vector<std::vector<std::string>>{
                  {setup.at("s/a.dat"), setup.temp.folder() + test::Native("s/")}}));
    EXPECT_TRUE(entries[0].dataPaths.empty());
}

} // namespace
} // namespace lumo
