#pragma once

#include <functional>

namespace lumo {

// Which failures are worth another try: virus scanners, the search indexer and network
// handle caching hold fresh files for a moment, and a copy or delete then fails with a
// sharing or lock violation. Renaming our own temporary file over a target that is held
// open fails with access denied instead, which only that caller may retry; so does a
// rename of a folder while a program holds a file inside it. A removal also meets files
// deleted but still held, which keep their folder from being empty.
enum class TransientErrors { Sharing, SharingOrAccessDenied, Removal };

// About two seconds, for a scanner or an indexer.
inline constexpr unsigned long kTransientPatienceMs = 2000;

// Runs attempt (which reports failure through GetLastError) until it succeeds, fails with
// an error that is not transient, or patienceMs have gone by. The last error is left for
// the caller.
bool RetryTransient(const std::function<bool()>& attempt, TransientErrors errors,
                    unsigned long patienceMs = kTransientPatienceMs);

} // namespace lumo
