#pragma once

#include <cstddef>

namespace lumo {

// A build takes 1 to 99 entries, numbered 00 to 98.
inline constexpr std::size_t kMaxEntries = 99;

// The reload reads the entry folders 00 to 99, every name two digits give, so that an
// exhibition with one entry folder more than a build writes still comes back whole; a
// build of it is then refused for its count.
inline constexpr std::size_t kMaxReloadedEntries = 100;

} // namespace lumo
