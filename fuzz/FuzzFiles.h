#pragma once

#include "support/TempDir.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace lumo::fuzz {

// One temporary folder per fuzzing process, removed when the process ends normally.
inline const test::TempDir& Scratch() {
    static const test::TempDir dir;
    return dir;
}

inline std::string_view Bytes(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// A broken property is a finding like any crash: report it and abort, so that libFuzzer
// saves the input.
inline void Require(bool property, const char* what) {
    if (!property) {
        std::fprintf(stderr, "property violated: %s\n", what);
        std::abort();
    }
}

} // namespace lumo::fuzz
