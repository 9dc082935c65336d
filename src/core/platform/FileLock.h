#pragma once

#include "platform/FileResult.h"

#include <cstdint>
#include <string>

namespace lumo {

// A small file that one process holds locked while the object lives: a build's claim on
// its working folder, the record of a build in progress. The system lets go of the lock
// when the process ends however it ends, so a later process tells a holder that is gone
// from one that still runs.
class FileLock {
public:
    FileLock() = default;
    ~FileLock();
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Creates the file holding contents (flushed to the disk, its name not) and already
    // locked when it appears at path; Exists when anything is there.
    FileResult create(const std::string& path, const std::string& contents);
    // Locks the file at path when its holder is gone (InUse while one runs) and reads it.
    FileResult acquire(const std::string& path);

    bool held() const { return handle_ != kNone; }
    const std::string& contents() const { return contents_; }

    // Removes the file, then lets it go.
    FileResult remove();
    void release();

private:
    static constexpr std::intptr_t kNone = -1;

    std::intptr_t handle_ = kNone;
    std::string path_;
    std::string contents_;
};

} // namespace lumo
