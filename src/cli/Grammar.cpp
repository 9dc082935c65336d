#include "cli/Grammar.h"

#include "cli/HelpFormatter.h"
#include "cli/ProblemReport.h"
#include "platform/ImageProbe.h"

#include <memory>

namespace lumo::cli {

namespace {

constexpr int kAnyNumber = CLI::detail::expected_max_vector_size;

const char* const kNotes =
    "In the lines of list, probe and check, a tab, line feed or carriage return\n"
    "inside a name is written as \\x09, \\x0A or \\x0D; every other byte as it is.\n"
    "In messages (stderr), control characters and bytes that are not UTF-8 are\n"
    "written as \\xHH.\n"
    "\n"
    "Exit status: 0 success (build: built, and the check found nothing), 1 a failure\n"
    "was reported (build: nothing built, DIR unchanged), 2 the input was refused before\n"
    "anything was written, 3 (build) built, with the check's problems left in the show.";

// An option of one value that may be given once: a second one is kept, to be refused once
// the parse is over rather than silently win.
CLI::Option* SingleValue(CLI::App& command, const std::string& name, const std::string& type,
                         const std::string& description) {
    return command.add_option(name)
        ->description(description)
        ->type_name(type)
        ->type_size(1)
        ->expected(1)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
}

} // namespace

Grammar::Grammar()
    : app_("Builds, checks and lists exhibitions without the window.\n", "lumo-cli") {
    app_.formatter(std::make_shared<HelpFormatter>());
    app_.get_formatter()->column_width(32);
    app_.set_help_flag("-h,--help", "print this help and exit");
    app_.set_version_flag("-V,--version", VersionText(), "print the version and exit");
    // Paths may begin with '/' on Windows too; they are not options there either.
    app_.allow_windows_style_options(false);
    app_.require_subcommand(0, 1);
    app_.allow_extras();
    app_.footer("The kinds of problem that check prints:\n" + ProblemKindHelp() + "\n\n" + kNotes);

    CLI::App* build = app_.add_subcommand(
        "build", "Builds an exhibition into DIR: numbered entry folders 00, 01, ... with\n"
                 "every file an item needs, up.jpg, down.jpg and exhibition.tsd.\n"
                 "Problems the check finds are printed on stderr as warnings first.\n"
                 "The build is all or nothing: DIR ends up holding the whole new\n"
                 "exhibition or exactly what it held before. A DIR holding an\n"
                 "exhibition.tsd is replaced only with --replace; one holding an entry\n"
                 "folder but no exhibition.tsd is refused.");
    output_ = SingleValue(*build, "--output", "DIR",
                          "the folder to build into, created with its parents\nwhen missing")
                  ->required();
    replace_ =
        build->add_flag("--replace")->description("replace the exhibition DIR holds, in place");
    AddItemOptions({build, CommandKind::Build, "--output DIR"});

    AddItemOptions(
        {app_.add_subcommand("check",
                             "Checks the items as build would, without writing anything, and\n"
                             "prints one line per problem: NN, kind, path and, for some kinds,\n"
                             "a detail, separated by tabs (NN is -- for the paging images).\n"
                             "Exit status 0 when nothing was found, 1 when problems were found."),
         CommandKind::Check});

    CLI::App* list =
        app_.add_subcommand("list", "Prints the items of a built exhibition, one line each:\n"
                                    "document, thumbnail and description, separated by tabs.");
    CLI::Option* document = list->add_option("document")
                                ->description("exhibition.tsd of a built exhibition")
                                ->type_name("PATH/exhibition.tsd")
                                ->type_size(1)
                                ->expected(1)
                                ->required();
    commands_.push_back({list, CommandKind::List, "exactly one exhibition.tsd", nullptr, document});

    CLI::App* probe = app_.add_subcommand("probe", "Prints WIDTH HEIGHT PATH for each image.");
    CLI::Option* images = probe->add_option("images")
                              ->description("JPEG, PNG or BMP files")
                              ->type_name("IMAGE")
                              ->type_size(1)
                              ->expected(1, kAnyNumber)
                              ->allow_extra_args()
                              ->required();
    commands_.push_back({probe, CommandKind::Probe, "at least one image", nullptr, images});

    for (const GrammarCommand& command : commands_) {
        command.app->allow_extras();
    }
}

void Grammar::AddItemOptions(GrammarCommand command) {
    command.from = SingleValue(*command.app, "--from", "PATH/exhibition.tsd",
                               "start from the items of a built exhibition\n"
                               "(applied first, wherever it stands)");
    // Every --item takes the files up to the next option; CLI11 puts an empty result
    // between the groups.
    command.files = command.app->add_option("--item")
                        ->description("one item: its scene document (.tsd), a wide\n"
                                      "thumbnail and a tall description image\n(" +
                                      ImageExtensionList() +
                                      "), in any order;\nappended after every item so far")
                        ->type_name("FILE")
                        ->type_size(1)
                        ->expected(0, kAnyNumber)
                        ->allow_extra_args();
    command.files->inject_separator();
    commands_.push_back(command);
}

const GrammarCommand* Grammar::Given() const {
    for (const GrammarCommand& command : commands_) {
        if (command.app->parsed()) {
            return &command;
        }
    }
    return nullptr;
}

} // namespace lumo::cli
