#pragma once

#include "core/exhibition/StagingFixture.h"
#include "exhibition/EntryCheck.h"
#include "support/PrintProblem.h"

#include <functional>
#include <memory>

namespace lumo::test {

// One item whose scene document src/scene.tsd names data paths; a row's files lie under
// src/, each holding its own name, and held keeps what must live while the item is built.
struct PredictionSetup {
    TempDir temp;
    std::vector<std::shared_ptr<void>> held;

    std::string src(const std::string& relative) const { return temp / Native("src/" + relative); }
};

struct PredictedProblem {
    ProblemKind kind;
    std::string path;        // under src/, with '/'
    std::string detail = {}; // a survivor is under src/ too
};

struct PredictionCase {
    const char* what;
    std::vector<std::string> values; // the data paths as the scene document writes them
    std::vector<std::string> files;  // under src/
    std::vector<PredictedProblem> problems;
    std::vector<std::string> messages;    // what staging shows, with '/'
    std::vector<std::string> entryFolder; // what staging leaves in 00/ besides the item's files
    std::function<void(PredictionSetup&)> arrange = {};
};

// Checks the item, then stages it, and holds both to the row: the check's problems are
// staging's prediction. Whatever staging fails on must have been reported, and nothing
// reported as unreadable or as a sub-folder may reach the entry folder.
inline void RunPrediction(const PredictionCase& c) {
    SCOPED_TRACE(c.what);
    PredictionSetup setup;
    std::string scene = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<TessraFile>\n<drawGroup name=\"Sur\" ></drawGroup>\n";
    for (const std::string& value : c.values) {
        scene += "<data name=\"d\" ><file path=\"" + value + "\" /></data>\n";
    }
    WriteFile(setup.src("scene.tsd"), scene + "</TessraFile>\n");
    for (const std::string& file : c.files) {
        WriteFile(setup.src(file), file);
    }
    for (const char* file : {"src/t.jpg", "src/d.png", "res/up.jpg", "res/down.jpg"}) {
        WriteFile(setup.temp / Native(file), file);
    }
    if (c.arrange) {
        c.arrange(setup);
    }
    ExhibitionEntry entry{setup.src("scene.tsd"), setup.src("t.jpg"), setup.src("d.png"), {}};
    const std::string resources = setup.temp / "res";

    const EntryCheck check = CheckEntries({entry}, resources);
    ProblemList expected;
    for (const PredictedProblem& p : c.problems) {
        const bool survivor = p.kind == ProblemKind::NameCollision;
        expected.push_back(
            {0, p.kind, setup.src(p.path), survivor ? setup.src(p.detail) : p.detail});
    }
    EXPECT_EQ(check.problems, expected);

    entry.dataPaths = check.dataPaths[0];
    const std::string out = setup.temp / "out" + kSeparator;
    std::filesystem::create_directory(PathFromUtf8(out));
    RecordingMessageBox messages;
    EntryList staged;
    StageEntries({entry}, out, resources, staged, messages);

    std::vector<std::string> shown;
    for (const std::string& message : c.messages) {
        shown.push_back(Native(message));
    }
    EXPECT_EQ(messages.texts(), shown);
    std::vector<std::string> tree = {"d.png", "scene.tsd", "t.jpg"};
    tree.insert(tree.end(), c.entryFolder.begin(), c.entryFolder.end());
    std::sort(tree.begin(), tree.end());
    EXPECT_EQ(TreeOf(out + "00"), tree);

    EXPECT_TRUE(messages.texts().empty() || !check.problems.empty());
    for (const EntryProblem& problem : check.problems) {
        if (problem.kind == ProblemKind::Unreadable || problem.kind == ProblemKind::DataSubfolder) {
            const std::string name = FileNamePart(problem.path);
            for (const std::string& path : tree) {
                EXPECT_NE(FileNamePart(Native(path)), name) << problem.path;
            }
        }
    }
}

} // namespace lumo::test
