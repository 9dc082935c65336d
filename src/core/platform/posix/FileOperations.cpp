#include "platform/FileOperations.h"

#include "platform/posix/FileDescriptor.h"
#include "platform/posix/SystemError.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <vector>

namespace lumo {

namespace {

FileResult Outcome(bool done) {
    return done ? FileResult::Success() : ErrnoFailure(errno);
}

bool IsDotName(std::string_view name) {
    return name == "." || name == "..";
}

// The names in an open folder, read whole before anything in it is removed.
std::vector<std::string> NamesIn(int folder) {
    std::vector<std::string> names;
    const int listing = ::dup(folder);
    DIR* dir = listing < 0 ? nullptr : ::fdopendir(listing);
    if (dir == nullptr) {
        if (listing >= 0) {
            ::close(listing);
        }
        return names;
    }
    while (const dirent* entry = ::readdir(dir)) {
        if (!IsDotName(entry->d_name)) {
            names.emplace_back(entry->d_name);
        }
    }
    ::closedir(dir);
    return names;
}

// Empties the folder open as parent's entry name and removes it; every folder is opened
// without following links, so a link is only ever unlinked. The first failure is kept
// while the rest is still removed.
void RemoveEntry(int parent, const std::string& name, int& firstError) {
    struct stat status {};
    if (::fstatat(parent, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno != ENOENT && firstError == 0) {
            firstError = errno;
        }
        return;
    }
    if (S_ISDIR(status.st_mode)) {
        FileDescriptor folder(
            ::openat(parent, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (!folder.valid()) {
            firstError = firstError != 0 ? firstError : errno;
            return;
        }
        for (const std::string& inner : NamesIn(folder.get())) {
            RemoveEntry(folder.get(), inner, firstError);
        }
    }
    if (::unlinkat(parent, name.c_str(), S_ISDIR(status.st_mode) ? AT_REMOVEDIR : 0) != 0 &&
        errno != ENOENT && firstError == 0) {
        firstError = errno;
    }
}

} // namespace

PathKind KindAt(const std::string& path) {
    struct stat status {};
    if (path.empty() || ::lstat(path.c_str(), &status) != 0) {
        return errno == ENOENT || errno == ENOTDIR || path.empty() ? PathKind::Missing
                                                                   : PathKind::Other;
    }
    if (S_ISLNK(status.st_mode)) {
        return PathKind::Link;
    }
    if (S_ISDIR(status.st_mode)) {
        return PathKind::Folder;
    }
    return S_ISREG(status.st_mode) ? PathKind::File : PathKind::Other;
}

FileResult MakeFolder(const std::string& path) {
    return Outcome(::mkdir(path.c_str(), 0777) == 0);
}

FileResult MovePath(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        return FileResult::Success();
    }
    // File systems without the no-replace flag: a look first, then the plain rename,
    // which would replace an empty folder or a file.
    if (errno != EINVAL) {
        return ErrnoFailure(errno);
    }
    struct stat status {};
    if (::lstat(to.c_str(), &status) == 0) {
        return ErrnoFailure(EEXIST);
    }
    return Outcome(::rename(from.c_str(), to.c_str()) == 0);
}

FileResult MoveFileOver(const std::string& from, const std::string& target) {
    return Outcome(::rename(from.c_str(), target.c_str()) == 0);
}

FileResult LinkFile(const std::string& existing, const std::string& link) {
    if (::linkat(AT_FDCWD, existing.c_str(), AT_FDCWD, link.c_str(), 0) == 0) {
        return FileResult::Success();
    }
    const int error = errno;
    // EPERM: a file system without links (FAT) or the system's hard link protection.
    if (error == EPERM || error == EXDEV || error == EMLINK || error == EOPNOTSUPP ||
        error == ENOSYS) {
        return FileResult::Failure(FileFailure::NoLinks, std::strerror(error));
    }
    return ErrnoFailure(error);
}

FileResult FlushTree(const std::string& folder) {
    FileDescriptor tree(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!tree.valid()) {
        return ErrnoFailure(errno);
    }
    return Outcome(::syncfs(tree.get()) == 0);
}

FileResult FlushFolder(const std::string& path) {
    FileDescriptor folder(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.valid()) {
        return ErrnoFailure(errno);
    }
    // Some file systems keep no folder data of their own to flush and say so.
    return Outcome(::fsync(folder.get()) == 0 || errno == EINVAL);
}

FileResult WriteNewFile(const std::string& path, const std::string& bytes) {
    FileDescriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (!file.valid()) {
        return ErrnoFailure(errno);
    }
    if (WriteAll(file.get(), bytes.data(), bytes.size()) && ::fsync(file.get()) == 0 &&
        file.close()) {
        return FileResult::Success();
    }
    const int error = errno;
    ::unlink(path.c_str());
    return ErrnoFailure(error);
}

FileResult RemoveTree(const std::string& path) {
    int firstError = 0;
    RemoveEntry(AT_FDCWD, path, firstError);
    return firstError == 0 ? FileResult::Success() : ErrnoFailure(firstError);
}

} // namespace lumo
