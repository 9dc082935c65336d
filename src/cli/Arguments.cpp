#include "cli/Arguments.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace lumo::cli {

namespace {

bool IsHelp(std::string_view argument) {
    return argument == "--help" || argument == "-h";
}

bool IsVersion(std::string_view argument) {
    return argument == "--version" || argument == "-V";
}

// Anything that starts with '-' is an option; a lone "-" is not (it names no file either,
// but it should be reported as an unexpected argument rather than an unknown option).
bool LooksLikeOption(std::string_view argument) {
    return argument.size() > 1 && argument.front() == '-';
}

ParseResult Failure(std::string error) {
    ParseResult result;
    result.error = std::move(error);
    return result;
}

ParseResult Success(CommandLine command) {
    ParseResult result;
    result.command = std::move(command);
    return result;
}

// Reads the value of an option given as "--name VALUE" or "--name=VALUE" at index i,
// advancing i past what it consumed. Empty optional when the argument is not that option.
std::optional<std::string> OptionValue(const std::vector<std::string>& arguments, std::size_t& i,
                                       std::string_view name, std::string& error) {
    const std::string& argument = arguments[i];
    if (argument == name) {
        if (i + 1 >= arguments.size()) {
            error = std::string(name) + " needs a value";
            return std::string();
        }
        return arguments[++i];
    }
    if (argument.size() > name.size() && argument.compare(0, name.size(), name) == 0 &&
        argument[name.size()] == '=') {
        return argument.substr(name.size() + 1);
    }
    return std::nullopt;
}

// An option that takes one value and may be given once.
struct SingleOption {
    const char* name;
    const char* what;
    std::string* target;
    bool seen = false;
};

ParseResult ParseBuild(const std::vector<std::string>& arguments) {
    CommandLine command;
    command.kind = CommandKind::Build;
    BuildRequest& request = command.build;
    std::string error;
    SingleOption single[] = {{"--output", "a folder", &request.outputFolder},
                             {"--from", "a path to exhibition.tsd", &request.fromDocument}};

    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (IsHelp(argument)) {
            return Success(CommandLine{});
        }
        bool matched = false;
        for (SingleOption& option : single) {
            if (std::optional<std::string> value = OptionValue(arguments, i, option.name, error)) {
                if (!error.empty()) {
                    return Failure(error);
                }
                if (option.seen) {
                    return Failure(std::string(option.name) + " given more than once");
                }
                if (value->empty()) {
                    return Failure(std::string(option.name) + " needs " + option.what);
                }
                option.seen = true;
                *option.target = *value;
                matched = true;
                break;
            }
        }
        if (matched) {
            continue;
        }
        if (argument == "--item") {
            std::vector<std::string> files;
            while (i + 1 < arguments.size() && !LooksLikeOption(arguments[i + 1])) {
                files.push_back(arguments[++i]);
            }
            if (files.empty()) {
                return Failure("--item needs at least one file");
            }
            request.items.push_back(std::move(files));
            continue;
        }
        if (LooksLikeOption(argument)) {
            return Failure("unknown option for build: " + argument);
        }
        return Failure("unexpected argument: " + argument + " (files follow --item)");
    }
    if (!single[0].seen) {
        return Failure("build needs --output DIR");
    }
    return Success(std::move(command));
}

// `list` and `probe`: plain paths, between minimum and maximum of them.
ParseResult ParsePaths(const std::vector<std::string>& arguments, CommandKind kind,
                       std::size_t minimum, std::size_t maximum, const char* what) {
    CommandLine command;
    command.kind = kind;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (IsHelp(argument)) {
            return Success(CommandLine{});
        }
        if (LooksLikeOption(argument)) {
            return Failure("unknown option for " + arguments[0] + ": " + argument);
        }
        command.paths.push_back(argument);
    }
    if (command.paths.size() < minimum || command.paths.size() > maximum) {
        return Failure(arguments[0] + " needs " + what);
    }
    return Success(std::move(command));
}

} // namespace

ParseResult ParseArguments(const std::vector<std::string>& arguments) {
    if (arguments.empty()) {
        return Failure("no command given");
    }
    const std::string& first = arguments[0];
    if (IsHelp(first)) {
        return Success(CommandLine{});
    }
    if (IsVersion(first)) {
        CommandLine command;
        command.kind = CommandKind::Version;
        return Success(command);
    }
    if (first == "build") {
        return ParseBuild(arguments);
    }
    if (first == "list") {
        return ParsePaths(arguments, CommandKind::List, 1, 1, "exactly one exhibition.tsd");
    }
    if (first == "probe") {
        return ParsePaths(arguments, CommandKind::Probe, 1, SIZE_MAX, "at least one image");
    }
    if (LooksLikeOption(first)) {
        return Failure("unknown option: " + first);
    }
    return Failure("unknown command: " + first);
}

const char* UsageText() {
    return "Usage:\n"
           "  lumo-cli build --output DIR [--from PATH/exhibition.tsd] [--item FILE...]...\n"
           "  lumo-cli list PATH/exhibition.tsd\n"
           "  lumo-cli probe IMAGE...\n"
           "  lumo-cli --help | --version\n"
           "\n"
           "build   Builds an exhibition into DIR (created with its parents when missing):\n"
           "        numbered entry folders 00, 01, ... with every file an item needs,\n"
           "        up.jpg, down.jpg and exhibition.tsd.\n"
           "          --from PATH/exhibition.tsd  start from the items of a built exhibition\n"
           "                                      (applied first, wherever it stands)\n"
           "          --item FILE...              one item: its scene document (.tsd), a wide\n"
           "                                      thumbnail and a tall description image\n"
           "                                      (.jpg, .jpeg, .png, .bmp), in any order;\n"
           "                                      appended after every item so far\n"
           "list    Prints the items of a built exhibition, one line each:\n"
           "        document, thumbnail and description, separated by tabs.\n"
           "probe   Prints WIDTH HEIGHT PATH for each image.\n"
           "\n"
           "In the lines of list and probe, a tab, line feed or carriage return inside a\n"
           "name is written as \\x09, \\x0A or \\x0D; every other byte as it is.\n"
           "In messages (stderr), control characters and bytes that are not UTF-8 are\n"
           "written as \\xHH.\n"
           "\n"
           "Exit status: 0 success, 1 a failure was reported, 2 the input was refused.\n";
}

} // namespace lumo::cli
