#pragma once

#include <string>
#include <vector>

namespace lumo::test {

struct ProcessOutcome {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs a program with stdout and stderr captured in separate files (no pipes, so a
// chatty child can never block) and returns its exit status and both outputs; exit code
// -1 when it could not be run.
ProcessOutcome RunProcess(const std::string& program, const std::vector<std::string>& arguments);

} // namespace lumo::test
