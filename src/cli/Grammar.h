#pragma once

#include "cli/Arguments.h"

#include <CLI/CLI.hpp>

#include <vector>

namespace lumo::cli {

// One command of the grammar and the options its request is read from.
struct GrammarCommand {
    CLI::App* app = nullptr;
    CommandKind kind = CommandKind::Help;
    // What a command line without the command's required argument is told it needs.
    const char* needs = "";
    // --from of build and check.
    CLI::Option* from = nullptr;
    // --item of build and check; the paths of list and probe.
    CLI::Option* files = nullptr;
};

// lumo-cli's commands, options and help texts as CLI11 parses and prints them. The values
// stay in the options' results, to be read once the parse is over.
class Grammar {
public:
    Grammar();
    Grammar(const Grammar&) = delete;
    Grammar& operator=(const Grammar&) = delete;

    CLI::App& app() { return app_; }
    const CLI::App& app() const { return app_; }
    // build's --output.
    const CLI::Option& output() const { return *output_; }
    // build's --replace.
    bool replace() const { return replace_->count() > 0; }
    // The command the parse met, or nullptr.
    const GrammarCommand* Given() const;

private:
    // Adds --from and --item to a command of items (build, check).
    void AddItemOptions(GrammarCommand command);

    CLI::App app_;
    std::vector<GrammarCommand> commands_;
    CLI::Option* output_ = nullptr;
    CLI::Option* replace_ = nullptr;
};

} // namespace lumo::cli
