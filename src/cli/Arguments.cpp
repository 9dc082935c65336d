#include "cli/Arguments.h"

#include "cli/Grammar.h"

namespace lumo::cli {

namespace {

// Anything that starts with '-' is an option; a lone "-" is not (it names no file either,
// but it is reported as an unexpected argument rather than an unknown option).
bool LooksLikeOption(const std::string& argument) {
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

// The value of an option given at most once; value stays empty when it was not given.
bool OnlyValue(const CLI::Option& option, const char* what, std::string& value,
               std::string& error) {
    if (option.count() > 1) {
        error = option.get_name() + " given more than once";
        return false;
    }
    if (option.count() == 1) {
        value = option.results().front();
        if (value.empty()) {
            error = option.get_name() + " needs " + what;
            return false;
        }
    }
    return true;
}

// The files of every --item, one group each; false when a group is empty.
bool ItemGroups(const CLI::Option& option, std::vector<std::vector<std::string>>& items) {
    if (option.count() == 0) {
        return true;
    }
    items.emplace_back();
    for (const std::string& result : option.results()) {
        if (result.empty()) {
            items.emplace_back();
        } else {
            items.back().push_back(result);
        }
    }
    for (const std::vector<std::string>& files : items) {
        if (files.empty()) {
            return false;
        }
    }
    return true;
}

ParseResult ItemsRequest(const Grammar& grammar, const GrammarCommand& command) {
    CommandLine line;
    line.kind = command.kind;
    BuildRequest& request = line.build;
    std::string error;
    if (!OnlyValue(*command.from, "a path to exhibition.tsd", request.fromDocument, error) ||
        (command.kind == CommandKind::Build &&
         !OnlyValue(grammar.output(), "a folder", request.outputFolder, error))) {
        return Failure(error);
    }
    request.replace = command.kind == CommandKind::Build && grammar.replace();
    if (!ItemGroups(*command.files, request.items)) {
        return Failure("--item needs at least one file");
    }
    return Success(std::move(line));
}

// What the parse left unchecked, and the command line.
ParseResult Result(const Grammar& grammar) {
    if (const std::vector<std::string> unknown = grammar.app().remaining(); !unknown.empty()) {
        const std::string& first = unknown.front();
        return Failure((LooksLikeOption(first) ? "unknown option: " : "unknown command: ") + first);
    }
    const GrammarCommand* command = grammar.Given();
    if (command == nullptr) {
        return Failure("no command given");
    }
    const std::string name = command->app->get_name();
    const bool items = command->from != nullptr;
    if (const std::vector<std::string> extra = command->app->remaining(); !extra.empty()) {
        const std::string& first = extra.front();
        if (LooksLikeOption(first)) {
            return Failure("unknown option for " + name + ": " + first);
        }
        return Failure(items ? "unexpected argument: " + first + " (files follow --item)"
                             : name + " needs " + command->needs);
    }
    for (const CLI::Option* option : command->app->get_options()) {
        if (option->get_required() && option->count() == 0) {
            return Failure(name + " needs " + command->needs);
        }
    }
    if (items) {
        return ItemsRequest(grammar, *command);
    }
    CommandLine line;
    line.kind = command->kind;
    line.paths = command->files->results();
    return Success(std::move(line));
}

} // namespace

ParseResult ParseArguments(const std::vector<std::string>& arguments) {
    if (arguments.empty()) {
        return Failure("no command given");
    }
    Grammar grammar;
    // CLI11 takes the arguments last first. It reads "--output=" as "--output" followed by
    // the next argument; it stands for an empty value.
    std::vector<std::string> reversed;
    for (auto argument = arguments.rbegin(); argument != arguments.rend(); ++argument) {
        if (LooksLikeOption(*argument) && argument->back() == '=') {
            reversed.push_back({});
            reversed.push_back(argument->substr(0, argument->size() - 1));
        } else {
            reversed.push_back(*argument);
        }
    }
    try {
        grammar.app().parse(reversed);
    } catch (const CLI::CallForHelp&) {
        return Success(CommandLine{});
    } catch (const CLI::CallForVersion&) {
        CommandLine line;
        line.kind = CommandKind::Version;
        return Success(line);
    } catch (const CLI::ArgumentMismatch&) {
        // Only an option of one value that ends the line without it gets here.
        return Failure(arguments.back() + " needs a value");
    } catch (const CLI::RequiredError&) {
        // Thrown once every argument has been read: the result names what is missing.
        return Result(grammar);
    } catch (const CLI::ParseError& error) {
        return Failure(error.what());
    }
    return Result(grammar);
}

std::string UsageText() {
    Grammar grammar;
    return grammar.app().help("", CLI::AppFormatMode::All);
}

std::string VersionText() {
    return "lumo-cli " LUMO_VERSION;
}

} // namespace lumo::cli
