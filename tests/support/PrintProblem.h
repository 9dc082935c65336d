#pragma once

#include "exhibition/EntryProblem.h"

#include <ostream>

namespace lumo {

// Lets a failing comparison of problems show them as text rather than as bytes.
inline void PrintTo(const EntryProblem& problem, std::ostream* out) {
    *out << "{" << (problem.entry ? std::to_string(*problem.entry) : "--") << " kind "
         << static_cast<int>(problem.kind) << " \"" << problem.path << "\" \"" << problem.detail
         << "\"}";
}

} // namespace lumo
