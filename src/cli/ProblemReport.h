#pragma once

#include "exhibition/EntryProblem.h"

#include <string>

namespace lumo::cli {

// The stable English name of a problem kind.
const char* ProblemKindName(ProblemKind kind);

// Every kind's name with what it means, one indented line each, for --help; no line
// feed after the last.
std::string ProblemKindHelp();

// One problem as `check` prints it: NN (-- for the whole exhibition), the kind's name,
// the path and the detail when there is one, separated by tabs, without a line end. Paths
// and details are written as `list` writes names.
std::string ProblemLine(const EntryProblem& problem);

// The same fields for a warning among the tool's messages, made safe for a terminal.
std::string ProblemWarning(const EntryProblem& problem);

} // namespace lumo::cli
