#pragma once

#include <string>
#include <vector>

namespace lumo::cli {

enum class CommandKind { Help, Version, Build, Check, List, Probe };

// What `build` was asked to do: the folder to build into, an optional built exhibition
// to start from, and the items to append, each as the files of one drop. `check` takes
// the same without the folder.
struct BuildRequest {
    std::string outputFolder;
    std::string fromDocument;
    std::vector<std::vector<std::string>> items;
    // An exhibition already in the folder is replaced rather than refused.
    bool replace = false;
};

struct CommandLine {
    CommandKind kind = CommandKind::Help;
    BuildRequest build;
    // `list`: the exhibition.tsd; `probe`: the images.
    std::vector<std::string> paths;
};

// A parsed command line, or the reason it is not one (then command is meaningless).
struct ParseResult {
    CommandLine command;
    std::string error;

    bool ok() const { return error.empty(); }
};

// Parses the arguments after the program name. Never prints and never exits.
ParseResult ParseArguments(const std::vector<std::string>& arguments);

// The text of --help.
std::string UsageText();

// The text of --version.
std::string VersionText();

} // namespace lumo::cli
