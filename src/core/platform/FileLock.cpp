#include "platform/FileLock.h"

#include <utility>

namespace lumo {

FileLock::~FileLock() {
    release();
}

FileLock::FileLock(FileLock&& other) noexcept
    : handle_(std::exchange(other.handle_, kNone)), path_(std::move(other.path_)),
      contents_(std::move(other.contents_)) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        release();
        handle_ = std::exchange(other.handle_, kNone);
        path_ = std::move(other.path_);
        contents_ = std::move(other.contents_);
    }
    return *this;
}

} // namespace lumo
