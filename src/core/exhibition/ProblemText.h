#pragma once

#include "exhibition/EntryProblem.h"

#include <string>

namespace lumo {

// The question asked before a build that found problems.
std::string ProblemQuestion(std::size_t count);

// The problems in Japanese, one a line: the entry number (-- for the whole exhibition),
// what is wrong, the path and, where there is one, what the build does about it.
std::string ProblemLines(const ProblemList& problems);

} // namespace lumo
