#include "cli/Commands.h"

#include "cli/ConsoleMessageBox.h"
#include "cli/OutputFolderChooser.h"
#include "cli/ProblemReport.h"
#include "cli/ProgressLine.h"
#include "cli/TerminalText.h"
#include "entry/EntryNumber.h"
#include "exhibition/BuiltExhibition.h"
#include "exhibition/DroppedFile.h"
#include "exhibition/EntryLimits.h"
#include "exhibition/Exhibition.h"
#include "exhibition/StartupRecovery.h"
#include "platform/FileSystem.h"
#include "platform/ImageProbe.h"
#include "platform/PathText.h"
#include "platform/ProgressClosingMessageBox.h"
#include "platform/StopSignals.h"

#include <exception>
#include <ostream>
#include <utility>

namespace lumo::cli {

namespace {

// A path or argument inside one of the tool's own message lines.
std::string Shown(const std::string& text) {
    return TerminalText(text, false);
}

// A path from the command line made absolute, with "." and ".." resolved lexically so
// that the paths the tool prints and stores read cleanly.
std::string FullPath(const std::string& path) {
    return LexicallyNormal(AbsolutePath(path));
}

// A built exhibition.tsd named on the command line, made absolute; empty (after telling
// why) when there is no such file or it has another name, which would not reload.
std::string ExhibitionDocument(const std::string& path, std::ostream& err) {
    const std::string absolute = FullPath(path);
    if (!IsBuiltExhibition(absolute)) {
        err << "lumo-cli: not a built exhibition (the file must be named exhibition.tsd): "
            << Shown(path) << '\n';
        return {};
    }
    if (!IsRegularFile(absolute)) {
        err << "lumo-cli: no such file: " << Shown(path) << '\n';
        return {};
    }
    return absolute;
}

// The items of the built exhibition at document, with a warning when exhibition.tsd did
// not tell them and the entry folders' files were classified instead.
EntryList BuiltItems(const std::string& document, std::ostream& err) {
    BuiltExhibition built = ReadBuiltExhibition(document);
    if (built.fromFolderListing) {
        err << "lumo-cli: warning: " << Shown(document)
            << " holds no image records; the items are guessed from its entry folders\n";
    }
    return std::move(built.entries);
}

// The files of one --item, made absolute; false (after telling why) when one is missing
// or would start a reload instead of joining the item.
bool ItemFiles(const std::vector<std::string>& files, std::vector<std::string>& paths,
               std::ostream& err) {
    for (const std::string& file : files) {
        const std::string absolute = FullPath(file);
        if (IsBuiltExhibition(absolute)) {
            err << "lumo-cli: " << Shown(file)
                << " is a built exhibition; start from it with --from\n";
            return false;
        }
        if (!PathExists(absolute)) {
            err << "lumo-cli: no such file: " << Shown(file) << '\n';
            return false;
        }
        paths.push_back(absolute);
    }
    return true;
}

// The tool's words for an item's field.
const char* FieldText(EntryField field) {
    switch (field) {
    case EntryField::Document:
        return "a scene document (.tsd)";
    case EntryField::Thumbnail:
        return "a thumbnail (an image at least as wide as tall)";
    case EntryField::Description:
        break;
    }
    return "a description (an image taller than wide)";
}

// Warns of the files of the ordinal-th --item that were left out; paths are its
// arguments made absolute, in order.
void WarnLeftOut(const ItemAddition& addition, std::size_t ordinal,
                 const std::vector<std::string>& files, const std::vector<std::string>& paths,
                 std::ostream& err) {
    const auto given = [&](const std::string& path) {
        for (std::size_t i = 0; i < paths.size(); ++i) {
            if (paths[i] == path) {
                return Shown(files[i]);
            }
        }
        return Shown(path);
    };
    const std::string item = "--item " + std::to_string(ordinal);
    for (const std::string& path : addition.ignored) {
        err << "lumo-cli: warning: " << item
            << ": neither a scene document nor a readable image, left out: " << given(path) << '\n';
    }
    for (const ReplacedFile& replaced : addition.replaced) {
        err << "lumo-cli: warning: " << item << ": " << given(replaced.by) << " replaces "
            << given(replaced.file) << " as " << FieldText(replaced.field) << '\n';
    }
}

// The line after the refusal of an incomplete item: where it stands and what it lacks.
void ReportMissing(const ItemAddition& addition, std::size_t ordinal, std::ostream& err) {
    err << "lumo-cli: --item " << ordinal << " (entry " << EntryNumber(addition.position)
        << ") lacks ";
    for (std::size_t i = 0; i < addition.missing.size(); ++i) {
        err << (i == 0 ? "" : ", ") << FieldText(addition.missing[i]);
    }
    err << '\n';
}

// Fills the exhibition: the items of --from, then one item per --item. False (after
// telling why) when the input was refused.
bool LoadItems(const BuildRequest& request, Exhibition& exhibition, IMessageBox& messages,
               std::ostream& err) {
    if (!request.fromDocument.empty()) {
        const std::string from = ExhibitionDocument(request.fromDocument, err);
        if (from.empty()) {
            return false;
        }
        exhibition.Load(BuiltItems(from, err));
    }
    for (std::size_t i = 0; i < request.items.size(); ++i) {
        const std::vector<std::string>& files = request.items[i];
        std::vector<std::string> paths;
        if (!ItemFiles(files, paths, err)) {
            return false;
        }
        const ItemAddition addition = exhibition.AppendItem(paths);
        WarnLeftOut(addition, i + 1, files, paths, err);
        if (!addition.added) {
            messages.show(addition.reason);
            ReportMissing(addition, i + 1, err);
            return false;
        }
    }
    return true;
}

int RunBuild(const BuildRequest& request, const Console& console) {
    ProgressLine progress(console.err);
    ConsoleMessageBox consoleMessages(console.err, true);
    ProgressClosingMessageBox messages(consoleMessages, [&progress] { progress.End(); });
    OutputFolderChooser chooser(FullPath(request.outputFolder), messages);
    Exhibition exhibition;
    if (!LoadItems(request, exhibition, messages, console.err)) {
        return kExitInputError;
    }

    // Builds that a crash or a kill interrupted are settled first, wherever they were.
    const BuildRecords records(UserStateFolder());
    SystemFileOperations ops;
    RecoverInterruptedBuilds(records, ops, messages);

    BuildServices services{messages, chooser, {}};
    services.records = &records;
    // The problems are warnings here; the build goes ahead as it always did.
    services.review = [&console](const ProblemList& problems) {
        for (const EntryProblem& problem : problems) {
            console.err << "lumo-cli: warning: " << ProblemWarning(problem) << '\n';
        }
        return true;
    };
    services.confirmReplace = [&request, &console](const std::string& folder) {
        if (!request.replace) {
            console.err << "lumo-cli: " << folder
                        << " holds an exhibition; give --replace to replace it\n";
        }
        return request.replace;
    };
    services.stopRequested = [] { return StopSignalled(); };
    if (console.showProgress) {
        services.observer = [&progress](const StagingStatus& status) { progress.Show(status); };
    }
    const BuildOutcome outcome = exhibition.Build({}, services);
    progress.End();
    switch (outcome.status) {
    case BuildStatus::NoEntries:
    case BuildStatus::TooManyEntries:
    case BuildStatus::Blocked:
    case BuildStatus::FolderNotEmpty:
    case BuildStatus::Kept:
    case BuildStatus::InputFolder:
    case BuildStatus::Busy:
        return kExitInputError;
    case BuildStatus::Cancelled:
    case BuildStatus::Declined:
    case BuildStatus::NotWritten:
        return kExitFailure;
    case BuildStatus::Written:
        return outcome.problemsLeft == 0 ? kExitSuccess : kExitBuiltWithProblems;
    }
    return kExitFailure;
}

int RunCheck(const BuildRequest& request, const Console& console) {
    ConsoleMessageBox messages(console.err, true);
    Exhibition exhibition;
    if (!LoadItems(request, exhibition, messages, console.err)) {
        return kExitInputError;
    }
    const std::size_t count = exhibition.entries().size();
    if (count == 0 || count > kMaxEntries) {
        console.err << "lumo-cli: check needs 1 to " << kMaxEntries << " items, not " << count
                    << '\n';
        return kExitInputError;
    }
    ProblemList problems;
    try {
        problems = exhibition.Check();
    } catch (const std::exception& error) {
        // An unusable code page: the documents cannot be read, so nothing was checked.
        messages.showError(error.what());
        return kExitInputError;
    }
    for (const EntryProblem& problem : problems) {
        console.out << ProblemLine(problem) << '\n';
    }
    return problems.empty() ? kExitSuccess : kExitFailure;
}

int RunList(const std::string& path, const Console& console) {
    const std::string document = ExhibitionDocument(path, console.err);
    if (document.empty()) {
        return kExitInputError;
    }
    Exhibition exhibition;
    exhibition.Load(BuiltItems(document, console.err));
    for (const ExhibitionEntry& entry : exhibition.entries()) {
        console.out << ListField(entry.documentPath) << '\t' << ListField(entry.thumbnailPath)
                    << '\t' << ListField(entry.descriptionPath) << '\n';
    }
    return kExitSuccess;
}

int RunProbe(const std::vector<std::string>& paths, const Console& console) {
    int result = kExitSuccess;
    for (const std::string& path : paths) {
        const ProbeResult image = ProbeImageSize(path);
        if (image.outcome == ProbeOutcome::Sized) {
            console.out << image.width << ' ' << image.height << ' ' << ListField(path) << '\n';
            continue;
        }
        console.err << (image.outcome == ProbeOutcome::NotAnImagePath
                            ? "lumo-cli: not an image (" + ImageExtensionList() + "): "
                            : std::string("lumo-cli: cannot read the image size: "))
                    << Shown(path) << '\n';
        result = kExitFailure;
    }
    return result;
}

} // namespace

int RunCommand(const CommandLine& command, const Console& console) {
    switch (command.kind) {
    case CommandKind::Help:
        console.out << UsageText();
        return kExitSuccess;
    case CommandKind::Version:
        console.out << VersionText() << '\n';
        return kExitSuccess;
    case CommandKind::Build:
        return RunBuild(command.build, console);
    case CommandKind::Check:
        return RunCheck(command.build, console);
    case CommandKind::List:
        return RunList(command.paths.front(), console);
    case CommandKind::Probe:
        return RunProbe(command.paths, console);
    }
    return kExitInputError;
}

int RunCli(const std::vector<std::string>& arguments, const Console& console) {
    const ParseResult parsed = ParseArguments(arguments);
    if (!parsed.ok()) {
        console.err << "lumo-cli: " << Shown(parsed.error) << "\nTry 'lumo-cli --help'.\n";
        return kExitInputError;
    }
    return RunCommand(parsed.command, console);
}

} // namespace lumo::cli
