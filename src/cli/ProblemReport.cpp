#include "cli/ProblemReport.h"

#include "cli/TerminalText.h"
#include "entry/EntryNumber.h"

namespace lumo::cli {

namespace {

struct KindText {
    ProblemKind kind;
    const char* name;
    const char* meaning;
};

const KindText kKinds[] = {
    {ProblemKind::MissingDocument, "missing-document", "the scene document is missing"},
    {ProblemKind::MissingThumbnail, "missing-thumbnail", "the thumbnail is missing"},
    {ProblemKind::MissingDescription, "missing-description", "the description image is missing"},
    {ProblemKind::MissingDataFile, "missing-data-file", "a data file is missing"},
    {ProblemKind::MissingDataFolder, "missing-data-folder",
     "a data folder is missing (or a data path without extension names nothing)"},
    {ProblemKind::MissingPagingImage, "missing-paging-image",
     "up.jpg or down.jpg is missing where the build takes it from"},
    {ProblemKind::Unreadable, "unreadable", "something is there but cannot be read"},
    {ProblemKind::NameCollision, "name-collision",
     "two sources get one name in the entry folder (letter case aside);\n"
     "                          detail: the source that survives"},
    {ProblemKind::FolderReference, "folder-reference",
     "a data path with a folder part is copied flat but referred to with it;\n"
     "                          detail: the path as the scene document writes it"},
    {ProblemKind::DataSubfolder, "data-subfolder", "a data folder's sub-folder is not copied"},
    {ProblemKind::TooManyDataElements, "too-many-data-elements",
     "more than 100 data elements: the rest are dropped"},
    {ProblemKind::TooManyDrawGroups, "too-many-draw-groups",
     "more than 100 draw groups: the rest are dropped"},
    {ProblemKind::NoTopGroup, "no-top-group",
     "no draw group named with \"Sur\"; detail: the group used instead"},
    {ProblemKind::SeveralTopGroups, "several-top-groups",
     "several draw groups named with \"Sur\"; detail: the one used"},
};

template <typename Escape> std::string Fields(const EntryProblem& problem, Escape escape) {
    std::string line = problem.entry ? EntryNumber(*problem.entry) : std::string("--");
    line += '\t';
    line += ProblemKindName(problem.kind);
    line += '\t' + escape(problem.path);
    if (!problem.detail.empty()) {
        line += '\t' + escape(problem.detail);
    }
    return line;
}

} // namespace

const char* ProblemKindName(ProblemKind kind) {
    for (const KindText& text : kKinds) {
        if (text.kind == kind) {
            return text.name;
        }
    }
    return "unknown";
}

std::string ProblemKindHelp() {
    std::string help;
    for (const KindText& text : kKinds) {
        std::string name = text.name;
        name.resize(24, ' ');
        help += "          " + name + text.meaning + "\n";
    }
    return help;
}

std::string ProblemLine(const EntryProblem& problem) {
    return Fields(problem, ListField);
}

std::string ProblemWarning(const EntryProblem& problem) {
    return Fields(problem, [](std::string_view text) { return TerminalText(text, false); });
}

} // namespace lumo::cli
