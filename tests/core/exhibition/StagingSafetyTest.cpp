#include "core/exhibition/StagingFixture.h"

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace lumo {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;

struct NodeState {
    fs::file_type type;
    std::string content;
    fs::file_time_type modified;
    bool operator==(const NodeState&) const = default;
};

// Every path under root except those under skipped, with its kind, content and time of
// last change (a folder's time changes when an entry is added to or removed from it).
std::map<std::string, NodeState> Snapshot(const fs::path& root, const std::string& skipped) {
    std::map<std::string, NodeState> nodes;
    auto record = [&](const fs::path& path) {
        const fs::file_status status = fs::symlink_status(path);
        NodeState state{status.type(), {}, {}};
        if (status.type() == fs::file_type::regular) {
            state.content = ReadFile(path);
        }
        if (status.type() != fs::file_type::symlink) {
            state.modified = fs::last_write_time(path);
        }
        nodes[path.string()] = state;
    };
    record(root);
    for (const auto& item : fs::recursive_directory_iterator(root)) {
        const std::string path = item.path().string();
        if (path.rfind(skipped, 0) != 0 && path + test::kSeparator != skipped) {
            record(item.path());
        }
    }
    return nodes;
}

class StagingSafetyTest : public test::StagingFixture {};

TEST_F(StagingSafetyTest, HostilePathsNeverWriteOutsideTheExhibitionFolder) {
    struct Case {
        const char* name;
        std::string path;
        std::string message; // empty when the path is legitimate once confined
        bool asDocument = false;
    };
    const std::string docFolder = Source("a");
    test::WriteFile(temp.path() / "etc/passwd", "root:x:0:0");
    test::WriteFile(temp.path() / "outside/victim.dat", "VICTIM");
    const std::string longName(300, 'n');

    const std::vector<Case> cases = {
        {"parent", docFolder + "/..", "..作成に失敗しました"},
        {"parent folder", docFolder + "/../", "../フォルダ作成に失敗しました"},
        {"parent, doubled slash", docFolder + "/..//", "..//フォルダ作成に失敗しました"},
        {"current", docFolder + "/.", ".作成に失敗しました"},
        {"current folder", docFolder + "/./", "./フォルダ作成に失敗しました"},
        // Missing where "..." is a name of its own: the check reports it, staging skips it.
        {"only dots", docFolder + "/...", kNativeSeparator == '\\' ? "...作成に失敗しました" : ""},
        {"root", "/", "/フォルダ作成に失敗しました"},
        {"empty", "", "フォルダ作成に失敗しました"},
        {"long file name", docFolder + "/" + longName + ".dat", ""},
        {"long folder name", docFolder + "/" + longName + "/",
         longName + "/フォルダ作成に失敗しました"},
        {"climbing to a folder", docFolder + "/../../etc", ""},
        {"climbing to a folder, slash", docFolder + "/../../outside/", ""},
        {"absolute file", (temp.path() / "outside/victim.dat").string(), ""},
        // Windows reads ".. " as "..": refused there, an ordinary name elsewhere.
        {"dots and a space", docFolder + "/.. ",
         kNativeSeparator == '\\' ? ".. フォルダ作成に失敗しました" : ""},
        {"document as parent", docFolder + "/..", "tsdファイルのコピーに失敗しました", true},
        {"document as root", "/", "tsdファイルのコピーに失敗しました", true},
    };

    for (std::size_t k = 0; k < cases.size(); ++k) {
        const Case& c = cases[k];
        const std::string exhibition =
            temp.folder() + "show" + std::to_string(k) + test::kSeparator;
        fs::create_directory(exhibition);
        ExhibitionEntry entry = MakeEntry("a");
        if (c.asDocument) {
            entry.documentPath = c.path;
        } else {
            entry.dataPaths = {c.path};
        }
        const auto before = Snapshot(temp.path(), exhibition);

        RecordingMessageBox box;
        EntryList staged;
        StageEntries({entry}, exhibition, Resources(), staged, box);

        EXPECT_EQ(Snapshot(temp.path(), exhibition), before) << c.name;
        const std::vector<std::string> expected =
            c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message};
        EXPECT_EQ(box.texts(), expected) << c.name;
    }
}

// Data paths that reach into the exhibition folder being built must neither truncate a
// copy made moments before nor recurse: they get what was there when staging began.
TEST_F(StagingSafetyTest, PathsIntoTheExhibitionFolderLeaveItsCopiesIntact) {
    ExhibitionEntry entry = MakeEntry("a");
    test::WriteFile(out + "notes.txt", "NOTES");
    entry.dataPaths = {out, out + "00", out + "00/a.tsd"};
    const EntryList staged = Stage({entry});

    // 00/a.tsd did not exist when staging began: left out like any missing file.
    EXPECT_TRUE(messages.texts().empty());
    EXPECT_EQ(OutFile("00/a.tsd"), entry.documentPath);
    EXPECT_EQ(OutFile("00/out/notes.txt"), "NOTES");
    EXPECT_TRUE(fs::is_empty(out + "00/00"));
}

// The paging buttons are copied last, into the exhibition folder; an input of the build
// found there, under its own name or through a hard link, must survive.
TEST_F(StagingSafetyTest, PagingButtonsNeverReplaceAnInput) {
    struct Case {
        const char* name;
        std::function<void(ExhibitionEntry&)> arrange;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"thumbnail named up.jpg in the exhibition folder",
         [this](ExhibitionEntry& entry) {
             test::WriteFile(out + "up.jpg", "INPUT");
             entry.thumbnailPath = out + "up.jpg";
         },
         "up.jpgのコピーに失敗しました"},
        {"thumbnail elsewhere, hard-linked to up.jpg there",
         [this](ExhibitionEntry& entry) {
             fs::create_hard_link(entry.thumbnailPath, out + "up.jpg");
         },
         "up.jpgのコピーに失敗しました"},
        {"data file hard-linked to down.jpg there",
         [this](ExhibitionEntry& entry) {
             entry.dataPaths = {Source("a/x.dat", "INPUT")};
             fs::create_hard_link(entry.dataPaths[0], out + "down.jpg");
         },
         "down.jpgのコピーに失敗しました"},
    };
    for (const Case& c : cases) {
        fs::remove_all(out);
        fs::create_directory(out);
        messages.calls.clear();
        ExhibitionEntry entry = MakeEntry("a");
        c.arrange(entry);
        const std::string input = c.message.substr(0, c.message.find("の"));
        const std::string before = OutFile(input);

        Stage({entry});

        EXPECT_EQ(messages.texts(), std::vector<std::string>{c.message}) << c.name;
        EXPECT_EQ(OutFile(input), before) << c.name;
    }
}

} // namespace
} // namespace lumo
