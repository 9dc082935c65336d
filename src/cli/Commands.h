#pragma once

#include "cli/Arguments.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace lumo::cli {

inline constexpr int kExitSuccess = 0;
// A failure was reported (staging, the document write, an unreadable image).
inline constexpr int kExitFailure = 1;
// The input was refused (usage, entry count, an incomplete item, a missing file).
inline constexpr int kExitInputError = 2;
// Built, with problems the check found left in the show.
inline constexpr int kExitBuiltWithProblems = 3;

struct Console {
    std::ostream& out;
    std::ostream& err;
    // Show a staging progress line on err (only sensible on a terminal).
    bool showProgress = false;
};

int RunCommand(const CommandLine& command, const Console& console);

// Parses the arguments after the program name and runs the command.
int RunCli(const std::vector<std::string>& arguments, const Console& console);

} // namespace lumo::cli
