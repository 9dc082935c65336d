#include "cli/HelpFormatter.h"

namespace lumo::cli {

namespace {

bool TakesAnyNumber(const CLI::Option& option) {
    return option.get_expected_max() >= CLI::detail::expected_max_vector_size;
}

// "--output DIR" when required, "[--from PATH/exhibition.tsd]" when not, "IMAGE..." for
// any number of values, and "[--item FILE...]..." for an option that takes any number of
// values any number of times. Positional arguments are always needed.
std::string OptionUsage(const CLI::Option& option) {
    std::string usage = option.get_positional() ? option.get_type_name()
                                                : option.get_name() + " " + option.get_type_name();
    if (TakesAnyNumber(option)) {
        usage += "...";
    }
    if (option.get_positional() || option.get_required()) {
        return usage;
    }
    return "[" + usage + "]" + (TakesAnyNumber(option) ? "..." : "");
}

std::string CommandUsage(const CLI::App& command, const std::string& program) {
    std::string usage = "  " + program + " " + command.get_name();
    for (const CLI::Option* option : command.get_options()) {
        if (option != command.get_help_ptr()) {
            usage += " " + OptionUsage(*option);
        }
    }
    return usage + "\n";
}

} // namespace

std::string HelpFormatter::make_usage(const CLI::App* app, std::string name) const {
    std::string usage = get_label("Usage") + ":\n";
    for (const CLI::App* command : app->get_subcommands({})) {
        usage += CommandUsage(*command, name);
    }
    std::string flags;
    for (const CLI::Option* flag : {app->get_help_ptr(), app->get_version_ptr()}) {
        if (flag != nullptr) {
            flags += (flags.empty() ? " " : " | ") + flag->get_name();
        }
    }
    if (!flags.empty()) {
        usage += "  " + name + flags + "\n";
    }
    return usage;
}

} // namespace lumo::cli
