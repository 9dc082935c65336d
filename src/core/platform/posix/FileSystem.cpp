#include "platform/FileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace fs = std::filesystem;

namespace lumo {

namespace {

fs::path ToPath(const std::string& path) {
    return fs::path(path);
}

std::string ErrnoText(int error) {
    return std::strerror(error);
}

} // namespace

bool PathExists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::exists(fs::symlink_status(ToPath(path), ec));
}

bool IsFolder(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::is_directory(ToPath(path), ec);
}

bool IsRegularFile(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::is_regular_file(ToPath(path), ec);
}

bool IsSpecialFile(const std::string& path) {
    struct stat status {};
    return !path.empty() && ::stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode) &&
           !S_ISDIR(status.st_mode);
}

std::uint64_t FileSize(const std::string& path) {
    std::error_code ec;
    const fs::path native = ToPath(path);
    if (path.empty() || !fs::is_regular_file(native, ec)) {
        return 0;
    }
    const std::uintmax_t size = fs::file_size(native, ec);
    return ec ? 0 : size;
}

bool IsReadable(const std::string& path) {
    return !path.empty() && ::access(path.c_str(), IsFolder(path) ? R_OK | X_OK : R_OK) == 0;
}

bool CreateFolder(const std::string& path) {
    return !path.empty() && ::mkdir(path.c_str(), 0777) == 0;
}

bool CreateFolderWithParents(const std::string& path) {
    std::string reason;
    return CreateFolderWithParents(path, reason);
}

bool CreateFolderWithParents(const std::string& path, std::string& reason) {
    std::error_code ec;
    fs::create_directories(ToPath(path), ec);
    if (IsFolder(path)) {
        return true;
    }
    // Without an error the path is taken by something that is not a folder.
    reason = ErrnoText(ec ? ec.value() : EEXIST);
    return false;
}

bool RemoveFile(const std::string& path) {
    return ::unlink(path.c_str()) == 0 || errno == ENOENT;
}

bool RenameWithoutReplacing(const std::string& from, const std::string& to) {
    // rename() replaces what lies at the target; the check before it keeps earlier files.
    return !from.empty() && !to.empty() && !PathExists(to) &&
           ::rename(from.c_str(), to.c_str()) == 0;
}

std::vector<std::string> FolderEntryNames(const std::string& folder) {
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
        return names;
    }
    while (const dirent* entry = ::readdir(dir)) {
        names.emplace_back(entry->d_name);
    }
    ::closedir(dir);
    return names;
}

std::string CurrentFolder() {
    std::error_code ec;
    const fs::path current = fs::current_path(ec);
    return ec ? std::string(".") : current.string();
}

std::string AbsolutePath(const std::string& path) {
    std::error_code ec;
    const fs::path absolute = fs::absolute(ToPath(path), ec);
    return ec ? path : absolute.string();
}

std::string ExecutablePath() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.string();
}

std::string ExecutableFolder() {
    const std::string exe = ExecutablePath();
    return exe.empty() ? "." : fs::path(exe).parent_path().string();
}

std::string HomeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        return home;
    }
    if (const passwd* pw = ::getpwuid(::getuid()); pw != nullptr && pw->pw_dir != nullptr) {
        return pw->pw_dir;
    }
    return "/";
}

std::string UserStateFolder() {
    // Only an absolute XDG_STATE_HOME counts; a relative one is ignored.
    if (const char* state = std::getenv("XDG_STATE_HOME"); state != nullptr && *state == '/') {
        return std::string(state) + "/lumo";
    }
    return HomeFolder() + "/.local/state/lumo";
}

std::FILE* OpenRegularFileForReading(const std::string& path) {
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0) {
        return nullptr;
    }
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return nullptr;
    }
    std::FILE* file = ::fdopen(descriptor, "rb");
    if (file == nullptr) {
        ::close(descriptor);
    }
    return file;
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
    // Only regular files: a named pipe would block the open or the read, and a device
    // such as /dev/zero never ends. Opened without blocking so that a pipe fails at once.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return false;
    }
    // Sized from the file's status and read in large blocks; a file that grows meanwhile
    // is read to its end all the same.
    struct stat status {};
    bool ok = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
    std::size_t used = 0;
    if (ok) {
        bytes.resize(static_cast<std::size_t>(std::max<off_t>(status.st_size, 0)) + 1);
    }
    while (ok) {
        if (used == bytes.size()) {
            bytes.resize(bytes.size() * 2 + 4096);
        }
        const ssize_t n = ::read(fd, bytes.data() + used, bytes.size() - used);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        used += static_cast<std::size_t>(n);
    }
    ::close(fd);
    bytes.resize(ok ? used : 0);
    return ok;
}

bool ReplaceFileAtomically(const std::string& path, const std::string& bytes, std::string& reason) {
    const fs::path target = ToPath(path);
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string tempName = target.filename().string();
    tempName.insert(0, 1, '.');
    tempName += ".XXXXXX";
    std::string temp = (folder / tempName).string();

    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        reason = ErrnoText(errno);
        return false;
    }

    // mkstemp creates the file 0600; give it the mode an ordinary new file would get,
    // or keep the mode of the file it replaces.
    struct stat existing {};
    mode_t mode = 0;
    if (::stat(path.c_str(), &existing) == 0) {
        mode = existing.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }

    auto fail = [&](int error) {
        reason = ErrnoText(error);
        ::close(fd);
        ::unlink(temp.c_str());
        return false;
    };

    if (::fchmod(fd, mode) != 0) {
        return fail(errno);
    }
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return fail(errno);
        }
        written += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) {
        return fail(errno);
    }
    if (::close(fd) != 0) {
        reason = ErrnoText(errno);
        ::unlink(temp.c_str());
        return false;
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        reason = ErrnoText(errno);
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

} // namespace lumo
