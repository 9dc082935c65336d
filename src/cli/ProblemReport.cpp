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

// A meaning's line breaks continue it in the column of the first line.
const KindText kKinds[] = {
    {ProblemKind::MissingDocument, "missing-document", "the scene document is missing"},
    {ProblemKind::MissingThumbnail, "missing-thumbnail", "the thumbnail is missing"},
    {ProblemKind::MissingDescription, "missing-description", "the description image is missing"},
    {ProblemKind::MissingDataFile, "missing-data-file", "a data file is missing"},
    {ProblemKind::MissingDataFolder, "missing-data-folder",
     "a data folder is missing, or a data path\nwithout extension names nothing"},
    {ProblemKind::MissingPagingImage, "missing-paging-image",
     "up.jpg or down.jpg is missing where the\nbuild takes it from"},
    {ProblemKind::Unreadable, "unreadable", "something is there but cannot be read"},
    {ProblemKind::NameCollision, "name-collision",
     "two sources get one name in an entry folder\n(letter case aside); detail: the survivor"},
    {ProblemKind::FolderReference, "folder-reference",
     "a data path with a folder part, copied flat\nbut referred to with it; detail: the path\n"
     "as the scene document writes it"},
    {ProblemKind::DataSubfolder, "data-subfolder", "a data folder's sub-folder, not copied"},
    {ProblemKind::UnusableName, "unusable-name",
     "a data path named \".\", \"..\" or a device, which\ncannot be made in an entry folder"},
    {ProblemKind::TooManyDataElements, "too-many-data-elements",
     "more than 100 data elements (the rest are\ndropped); detail: COUNT: FIRST-DROPPED"},
    {ProblemKind::TooManyDrawGroups, "too-many-draw-groups",
     "more than 100 draw groups (the rest are\ndropped); detail: COUNT: FIRST-DROPPED"},
    {ProblemKind::NoTopGroup, "no-top-group",
     "no draw group named with \"Sur\"; detail:\nthe group used instead"},
    {ProblemKind::SeveralTopGroups, "several-top-groups",
     "several draw groups named with \"Sur\";\ndetail: the one used"},
    {ProblemKind::DotDataPath, "dot-data-path",
     "a data path ending in . or .., where\nstaging stops; detail: the path as written"},
    {ProblemKind::OwnFolderData, "own-folder-data",
     "a data path naming the scene's own folder\n(\"\", \\ or no <file>): all its files are\n"
     "copied; detail: FILES: BYTES"},
    {ProblemKind::WindowsName, "windows-name",
     "a name the copy creates that Windows\ncannot hold (device name, trailing dot or\n"
     "space, <>:\"|?*\\ or control character)"},
    {ProblemKind::NotWellFormed, "not-well-formed",
     "the scene document is not well-formed XML;\ndetail: LINE: the parser's message"},
    {ProblemKind::DataPathMisread, "data-path-misread",
     "a data path the viewer reads that the\nbuild misses or reads otherwise, so it is\n"
     "not copied; detail: LINE: the path"},
    {ProblemKind::ExtraDataFile, "extra-data-file",
     "a data element's second or later file,\nnot copied; detail: LINE: the path"},
    {ProblemKind::StrayDataPath, "stray-data-path",
     "a data path the build copies that no data\nelement of the viewer names (a comment,\n"
     "CDATA, another tag); detail: LINE: the path"},
    {ProblemKind::DrawGroupMisread, "draw-group-misread",
     "a draw group the viewer reads that the\nbuild misses or names otherwise; detail:\n"
     "LINE: its name"},
    {ProblemKind::StrayDrawGroup, "stray-draw-group",
     "a draw group the build writes that the\nviewer does not see; detail: LINE: its name"},
    {ProblemKind::TopGroupMisread, "top-group-misread",
     "the top group the build shows first is no\ndraw group the viewer sees; detail: LINE:\n"
     "its name"},
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
        std::string meaning = text.meaning;
        for (std::size_t at = meaning.find('\n'); at != std::string::npos;
             at = meaning.find('\n', at + 1)) {
            meaning.insert(at + 1, std::string(26, ' '));
        }
        help += (help.empty() ? "  " : "\n  ") + name + meaning;
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
