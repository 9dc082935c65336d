#include "core/exhibition/TransactionFixture.h"
#include "exhibition/BuildRecovery.h"
#include "exhibition/BuildTransaction.h"
#include "exhibition/BuiltExhibition.h"
#include "exhibition/Exhibition.h"
#include "platform/FileSystem.h"
#include "support/FaultyFileOperations.h"
#include "support/RecordingMessageBox.h"
#include "support/ScriptedFolderChooser.h"
#include "support/TestImages.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace lumo {
namespace {

namespace fs = std::filesystem;
using test::Snapshot;
using test::TakeSnapshot;

const std::string kScene = "<drawGroup name=\"Sur\" ></drawGroup>\n"
                           "<data name=\"m\" path=\"mesh.obj\" ></data>\n"
                           "<data name=\"s\" path=\"slices\\\" ></data>\n";

// Sources of items, a folder to build into holding the curator's notes, and the
// exhibition built there from one item; every build asks to replace and is told yes.
class BuildInPlace : public ::testing::Test {
public:
    BuildInPlace() {
        test::WriteFile(temp.path() / "show/notes.txt", "the curator's notes");
        exhibition.Insert(0, Item("a"));
        EXPECT_EQ(Run(exhibition), BuildStatus::Written);
    }

    ExhibitionEntry Item(const std::string& name) const {
        const fs::path folder = temp.path() / "src" / name;
        test::WriteFile(folder / (name + ".tsd"), kScene);
        test::WriteFile(folder / "mesh.obj", "mesh of " + name);
        test::WriteFile(folder / "slices/0.raw", "slice of " + name);
        test::WriteJpeg((folder / "wide.jpg").string(), 24, 16);
        test::WritePng((folder / "tall.png").string(), 16, 24 + static_cast<int>(name[0] % 8));
        return {(folder / (name + ".tsd")).string(),
                (folder / "wide.jpg").string(),
                (folder / "tall.png").string(),
                {}};
    }

    BuildStatus Run(Exhibition& items, IFileOperations* ops = nullptr,
                    const std::string& chosen = {}) {
        ScriptedFolderChooser chooser({chosen.empty() ? show() : chosen});
        BuildServices services{messages, chooser, {}};
        services.review = [](const ProblemList&) { return true; };
        services.confirmReplace = [](const std::string&) { return true; };
        services.ops = ops;
        return items.Build({}, services).status;
    }

    // The built exhibition reloaded, with a second item appended.
    Exhibition Changed() const {
        Exhibition changed;
        changed.Load(ReadBuiltExhibition(show() + "exhibition.tsd").entries);
        changed.Insert(changed.entries().size(), Item("b"));
        return changed;
    }

    std::string show() const { return temp.folder() + "show" + test::kSeparator; }

    test::TempDir temp;
    RecordingMessageBox messages;
    Exhibition exhibition;
};

// Whichever file step fails, and at whichever call, the folder holds the earlier
// exhibition or the new one, byte for byte, once the next start of Lumo has settled it.
TEST_F(BuildInPlace, EveryFailingStepLeavesTheOldOrTheNewExhibition) {
    const Snapshot old = TakeSnapshot(show());
    const fs::path saved = temp.path() / "saved";
    fs::copy(temp.path() / "show", saved, fs::copy_options::recursive);
    Exhibition fresh = Changed();
    ASSERT_EQ(Run(fresh), BuildStatus::Written);
    const Snapshot rebuilt = TakeSnapshot(show());
    ASSERT_NE(rebuilt, old);

    const struct {
        test::FileStep step;
        FileFailure failure;
    } steps[] = {
        {test::FileStep::Copy, FileFailure::Failed},
        {test::FileStep::Link, FileFailure::Failed},
        {test::FileStep::Link, FileFailure::NoLinks},
        {test::FileStep::MakeFolder, FileFailure::Failed},
        {test::FileStep::Move, FileFailure::InUse},
        {test::FileStep::Replace, FileFailure::Failed},
        {test::FileStep::FlushTree, FileFailure::Failed},
        {test::FileStep::FlushFolder, FileFailure::Failed},
        {test::FileStep::WriteNew, FileFailure::Failed},
        {test::FileStep::RemoveTree, FileFailure::Failed},
    };
    SystemFileOperations system;
    for (const auto& [step, failure] : steps) {
        for (int n = 1;; ++n) {
            fs::remove_all(temp.path() / "show");
            fs::copy(saved, temp.path() / "show", fs::copy_options::recursive);
            test::FaultyFileOperations ops;
            ops.failAt(step, n, failure);
            Exhibition changed = Changed();
            const BuildStatus status = Run(changed, &ops);
            RecoverFolder(show(), system);
            const Snapshot after = TakeSnapshot(show());
            const auto label = ::testing::Message()
                               << "step " << static_cast<int>(step) << " call " << n;
            EXPECT_TRUE(after == old || after == rebuilt) << label;
            if (status == BuildStatus::Written) {
                EXPECT_EQ(after, rebuilt) << label;
            }
            if (!ops.fired()) {
                break;
            }
        }
    }
}

TEST_F(BuildInPlace, ASecondBuildIntoTheFolderIsRefused) {
    SystemFileOperations system;
    BuildTransaction running(system);
    ASSERT_TRUE(running.begin(show()).ok());
    const Snapshot during = TakeSnapshot(show());
    Exhibition changed = Changed();
    EXPECT_EQ(Run(changed), BuildStatus::Busy);
    EXPECT_NE(messages.texts().back().find("別の展示を作成中"), std::string::npos);
    EXPECT_EQ(TakeSnapshot(show()), during);
}

// The curator's loop and the inputs a build must never replace.
TEST_F(BuildInPlace, RefusesWhatWouldChangeItsInputsAndKeepsWhatItIsToldTo) {
    const Snapshot old = TakeSnapshot(show());
    struct Case {
        const char* name;
        std::string chosen;
        bool replace;
        BuildStatus status;
    };
    const std::string entryFolder = show() + "00";
    // The paging images come from beside the program; a link to one where the build puts
    // its own must never let the build write through it.
    const fs::path up = PathFromUtf8(WithTrailingSeparator(ResourceFolder()) + "up.jpg");
    const std::string pagingSource = test::ReadFile(up);
    fs::create_directories(temp.path() / "linked");
    std::error_code elsewhere; // the temporary folder on another file system: a copy
    fs::create_hard_link(up, temp.path() / "linked/up.jpg", elsewhere);
    if (elsewhere) {
        fs::copy_file(up, temp.path() / "linked/up.jpg");
    }
    const std::vector<Case> cases = {
        {"No to the question keeps the exhibition", show(), false, BuildStatus::Kept},
        {"inside an entry folder it copies from", entryFolder, true, BuildStatus::InputFolder},
        {"a folder holding a hard link of the program's up.jpg", (temp.path() / "linked").string(),
         true, BuildStatus::Written},
    };
    for (const Case& c : cases) {
        Exhibition changed = Changed();
        ScriptedFolderChooser chooser({c.chosen});
        BuildServices services{messages, chooser, {}};
        services.review = [](const ProblemList&) { return true; };
        services.confirmReplace = [&c](const std::string&) { return c.replace; };
        EXPECT_EQ(changed.Build({}, services).status, c.status) << c.name;
        EXPECT_EQ(TakeSnapshot(show()), old) << c.name;
        EXPECT_EQ(test::ReadFile(up), pagingSource) << c.name;
    }
}

TEST_F(BuildInPlace, AnInputNamedExhibitionTsdInTheChosenFolderIsRefused) {
    const fs::path own = temp.path() / "src" / "c";
    const ExhibitionEntry item = Item("c");
    test::WriteFile(own / "c.tsd", kScene + "<data name=\"e\" path=\"exhibition.tsd\" ></data>\n");
    test::WriteFile(own / "exhibition.tsd", "a data file");
    Exhibition withData;
    withData.Insert(0, item);
    const Snapshot before = TakeSnapshot(own.string());
    EXPECT_EQ(Run(withData, nullptr, own.string()), BuildStatus::InputFolder);
    EXPECT_EQ(TakeSnapshot(own.string()), before);
}

// A data file named like its item's scene document never replaces the document.
TEST_F(BuildInPlace, ADataFileNeverReplacesItsItemsDocument) {
    const fs::path own = temp.path() / "src" / "d";
    const ExhibitionEntry item = Item("d");
    const std::string scene = kScene + "<data name=\"x\" path=\"sub\\d.tsd\" ></data>\n";
    test::WriteFile(own / "d.tsd", scene);
    test::WriteFile(own / "sub/d.tsd", "a data file");
    Exhibition withData;
    withData.Insert(0, item);
    fs::create_directory(temp.path() / "out");
    EXPECT_EQ(Run(withData, nullptr, (temp.path() / "out").string()), BuildStatus::Written);
    EXPECT_NE(test::ReadFile(temp.path() / "out/00/d.tsd").find("Sur"), std::string::npos);
}

} // namespace
} // namespace lumo
