#include "platform/FileLock.h"

#include "platform/FileOperations.h"
#include "platform/posix/FileDescriptor.h"
#include "platform/posix/SystemError.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

namespace lumo {

namespace {

bool ReadAll(int fd, std::string& bytes) {
    bytes.clear();
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::pread(fd, buffer, sizeof buffer, static_cast<off_t>(bytes.size()));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return n == 0;
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
}

// A name beside path that no other process or call picks.
std::string TemporaryName(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    return path + "." + std::to_string(::getpid()) + "." + std::to_string(counter++) + ".tmp";
}

// True while the open file is still the one at path: its holder may have removed it
// between our open and our lock.
bool StillAt(int fd, const std::string& path) {
    struct stat open {};
    struct stat named {};
    return ::fstat(fd, &open) == 0 && ::stat(path.c_str(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

} // namespace

// The file is written and locked under a temporary name and only then moved to path, so
// that nobody ever finds it there unlocked.
FileResult FileLock::create(const std::string& path, const std::string& contents) {
    release();
    const std::string temporary = TemporaryName(path);
    FileDescriptor file(::open(temporary.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (!file.valid()) {
        return ErrnoFailure(errno);
    }
    FileResult result = FileResult::Success();
    if (::flock(file.get(), LOCK_EX | LOCK_NB) != 0 ||
        !WriteAll(file.get(), contents.data(), contents.size()) ||
        (!contents.empty() && ::fsync(file.get()) != 0)) {
        result = ErrnoFailure(errno);
    } else {
        result = MovePath(temporary, path);
    }
    if (!result) {
        ::unlink(temporary.c_str());
        return result;
    }
    handle_ = file.release();
    path_ = path;
    contents_ = contents;
    return result;
}

FileResult FileLock::acquire(const std::string& path) {
    release();
    FileDescriptor file(::open(path.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC));
    if (!file.valid()) {
        return ErrnoFailure(errno);
    }
    if (::flock(file.get(), LOCK_EX | LOCK_NB) != 0) {
        return errno == EWOULDBLOCK
                   ? FileResult::Failure(FileFailure::InUse, "別のプロセスが使用中です")
                   : ErrnoFailure(errno);
    }
    if (!StillAt(file.get(), path)) {
        return ErrnoFailure(ENOENT);
    }
    if (!ReadAll(file.get(), contents_)) {
        return ErrnoFailure(errno);
    }
    handle_ = file.release();
    path_ = path;
    return FileResult::Success();
}

FileResult FileLock::remove() {
    if (!held()) {
        return ErrnoFailure(EBADF);
    }
    const FileResult removed =
        ::unlink(path_.c_str()) == 0 ? FileResult::Success() : ErrnoFailure(errno);
    release();
    return removed;
}

void FileLock::release() {
    if (held()) {
        ::close(static_cast<int>(handle_));
        handle_ = kNone;
    }
}

} // namespace lumo
