#pragma once

#include <string>
#include <utility>

namespace lumo {

// Why a file step failed, where the caller acts differently on it.
enum class FileFailure {
    None,
    Failed,  // anything else; the reason tells
    Exists,  // the target of a creation or a move is already there
    Missing, // nothing is at the path (or a folder on the way to it is missing)
    InUse,   // another program holds the file or a file inside the folder
    NoLinks, // the file system cannot link this file (no hard links, another volume, too many)
};

// The outcome of one file step: success, or the kind of failure with the system's own
// description of it.
struct FileResult {
    FileFailure failure = FileFailure::None;
    std::string reason;

    bool ok() const { return failure == FileFailure::None; }
    explicit operator bool() const { return ok(); }

    static FileResult Success() { return {}; }
    static FileResult Failure(FileFailure failure, std::string reason) {
        return {failure, std::move(reason)};
    }
};

} // namespace lumo
