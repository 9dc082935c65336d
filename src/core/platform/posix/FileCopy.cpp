#include "platform/FileCopy.h"

#include "platform/posix/FileDescriptor.h"
#include "platform/posix/SystemError.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace lumo {

namespace {

constexpr std::size_t kRangeChunk = 16u << 20;
constexpr std::size_t kBufferSize = 1u << 20;

enum class Outcome { Done, Failed, Unsupported };

Outcome CloneWhole(int in, int out, std::uint64_t size, const CopyProgress& progress) {
    if (::ioctl(out, FICLONE, in) != 0) {
        return Outcome::Unsupported;
    }
    if (progress) {
        progress(size);
    }
    return Outcome::Done;
}

bool IsRangeCopyUnsupported(int error) {
    return error == ENOSYS || error == EXDEV || error == EINVAL || error == EOPNOTSUPP ||
           error == EBADF || error == ENOTSUP || error == EPERM || error == ETXTBSY;
}

// Copies in-kernel from the current offsets. Unsupported only when nothing was copied,
// so that the buffered loop can take over from the start.
Outcome CopyRanges(int in, int out, std::uint64_t& copied, const CopyProgress& progress) {
    for (;;) {
        const ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, kRangeChunk, 0);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return copied == 0 && IsRangeCopyUnsupported(errno) ? Outcome::Unsupported
                                                                : Outcome::Failed;
        }
        if (n == 0) {
            // Some file systems report files with a size they cannot range-copy (their
            // content is generated); the buffered loop reads those to the end.
            return copied == 0 ? Outcome::Unsupported : Outcome::Done;
        }
        copied += static_cast<std::uint64_t>(n);
        if (progress) {
            progress(copied);
        }
    }
}

bool CopyBuffered(int in, int out, std::uint64_t& copied, const CopyProgress& progress) {
    std::vector<char> buffer(kBufferSize);
    for (;;) {
        const ssize_t n = ::read(in, buffer.data(), buffer.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (n == 0) {
            return true;
        }
        if (!WriteAll(out, buffer.data(), static_cast<std::size_t>(n))) {
            return false;
        }
        copied += static_cast<std::uint64_t>(n);
        if (progress) {
            progress(copied);
        }
    }
}

bool CopyContent(int in, int out, std::uint64_t size, const CopyProgress& progress) {
    if (size > 0 && CloneWhole(in, out, size, progress) == Outcome::Done) {
        return true;
    }
    ::posix_fadvise(in, 0, 0, POSIX_FADV_SEQUENTIAL);
    std::uint64_t copied = 0;
    switch (CopyRanges(in, out, copied, progress)) {
    case Outcome::Done:
        return true;
    case Outcome::Failed:
        return false;
    case Outcome::Unsupported:
        break;
    }
    return ::lseek(in, 0, SEEK_SET) == 0 && ::lseek(out, 0, SEEK_SET) == 0 &&
           CopyBuffered(in, out, copied, progress);
}

} // namespace

FileResult CopyFileWithReason(const std::string& source, const std::string& target,
                              const CopyProgress& progress) {
    // Non-blocking so that a named pipe given as source fails instead of waiting for a
    // writer; regular files ignore the flag.
    FileDescriptor in(::open(source.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat from {};
    if (!in.valid() || ::fstat(in.get(), &from) != 0) {
        return ErrnoFailure(errno);
    }
    if (!S_ISREG(from.st_mode)) {
        return ErrnoFailure(S_ISDIR(from.st_mode) ? EISDIR : EINVAL);
    }

    // The target is not truncated on open: it might be the source itself under another
    // name, which must survive. A symbolic link at the target is refused rather than
    // followed, so the copy never writes outside the target's folder.
    FileDescriptor out(
        ::open(target.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW, from.st_mode & 0777));
    struct stat to {};
    if (!out.valid() || ::fstat(out.get(), &to) != 0) {
        return ErrnoFailure(errno);
    }
    if (!S_ISREG(to.st_mode)) {
        return ErrnoFailure(EINVAL);
    }
    if (to.st_dev == from.st_dev && to.st_ino == from.st_ino) {
        return FileResult::Failure(FileFailure::Failed, "コピー先がコピー元と同じファイルです");
    }

    bool copied =
        ::ftruncate(out.get(), 0) == 0 &&
        CopyContent(in.get(), out.get(), static_cast<std::uint64_t>(from.st_size), progress);
    int error = copied ? 0 : errno;
    if (!out.close() && copied) {
        copied = false;
        error = errno;
    }
    if (!copied) {
        // The old content is gone already; a partial copy must not pass for a good one.
        ::unlink(target.c_str());
        return ErrnoFailure(error);
    }
    return FileResult::Success();
}

} // namespace lumo
