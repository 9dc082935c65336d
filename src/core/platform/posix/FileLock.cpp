#include "platform/FileLock.h"

#include "platform/FileOperations.h"
#include "platform/posix/SystemError.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

namespace lumo {

namespace {

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno != EINTR) {
            return false;
        }
        written += n > 0 ? static_cast<std::size_t>(n) : 0;
    }
    return true;
}

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
    const int fd = ::open(temporary.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        return ErrnoFailure(errno);
    }
    FileResult result = FileResult::Success();
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || !WriteAll(fd, contents) ||
        (!contents.empty() && ::fsync(fd) != 0)) {
        result = ErrnoFailure(errno);
    } else {
        result = MovePath(temporary, path);
    }
    if (!result) {
        ::unlink(temporary.c_str());
        ::close(fd);
        return result;
    }
    handle_ = fd;
    path_ = path;
    contents_ = contents;
    return FileResult::Success();
}

FileResult FileLock::acquire(const std::string& path) {
    release();
    const int fd = ::open(path.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        return ErrnoFailure(errno);
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        return error == EWOULDBLOCK
                   ? FileResult::Failure(FileFailure::InUse, "別のプロセスが使用中です")
                   : ErrnoFailure(error);
    }
    if (!StillAt(fd, path)) {
        ::close(fd);
        return ErrnoFailure(ENOENT);
    }
    if (!ReadAll(fd, contents_)) {
        const int error = errno;
        ::close(fd);
        return ErrnoFailure(error);
    }
    handle_ = fd;
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
