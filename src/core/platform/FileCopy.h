#pragma once

#include "platform/FileResult.h"

#include <cstdint>
#include <functional>
#include <string>

namespace lumo {

// Called now and then during a copy with the bytes of this file copied so far.
using CopyProgress = std::function<void(std::uint64_t bytesCopied)>;

// Copies a regular file's content to target, replacing a file there. Never reads the
// whole file into memory: a reflink where the file system offers one, else
// copy_file_range, else a buffered loop. A new target takes the source's permission
// bits. Fails when the source cannot be read, the target cannot be written, the target
// is a symbolic link or is the source itself, with the system's reason; a target left
// incomplete is removed.
FileResult CopyFileWithReason(const std::string& source, const std::string& target,
                              const CopyProgress& progress = {});

inline bool CopyFileReplacing(const std::string& source, const std::string& target,
                              const CopyProgress& progress = {}) {
    return CopyFileWithReason(source, target, progress).ok();
}

} // namespace lumo
