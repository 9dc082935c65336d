#include "model/LatestFileWriter.h"

#include "platform/FileSystem.h"
#include "platform/PathParts.h"

#include <utility>

namespace lumo {

LatestFileWriter::LatestFileWriter(std::string path) : path_(std::move(path)) {}

LatestFileWriter::~LatestFileWriter() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    if (thread_.joinable()) {
        thread_.join();
    }
}

void LatestFileWriter::Write(std::string bytes) {
    {
        const std::lock_guard lock(mutex_);
        waiting_ = std::move(bytes);
        if (!thread_.joinable()) {
            thread_ = std::thread(&LatestFileWriter::Run, this);
        }
    }
    changed_.notify_all();
}

void LatestFileWriter::Wait() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !waiting_ && !writing_; });
}

void LatestFileWriter::Discard() {
    std::unique_lock lock(mutex_);
    waiting_.reset();
    changed_.wait(lock, [this] { return !writing_; });
}

bool LatestFileWriter::Busy() const {
    const std::lock_guard lock(mutex_);
    return waiting_ || writing_;
}

std::string LatestFileWriter::TakeFailure() {
    const std::lock_guard lock(mutex_);
    return std::exchange(failure_, {});
}

void LatestFileWriter::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return waiting_ || stopping_; });
        if (!waiting_) {
            return;
        }
        const std::string bytes = std::move(*waiting_);
        waiting_.reset();
        writing_ = true;
        lock.unlock();
        CreateFolderWithParents(FolderPart(path_));
        std::string reason;
        const bool written = ReplaceFileAtomically(path_, bytes, reason);
        lock.lock();
        writing_ = false;
        failure_ = written ? std::string() : reason;
        changed_.notify_all();
    }
}

} // namespace lumo
