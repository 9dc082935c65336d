#include "platform/FileSystem.h"

#include "platform/PathParts.h"
#include "platform/win/Handle.h"
#include "platform/win/SystemError.h"
#include "platform/win/TransientRetry.h"
#include "platform/win/WidePath.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <atomic>

namespace lumo {

namespace {

constexpr DWORD kNoAttributes = INVALID_FILE_ATTRIBUTES;

DWORD AttributesOf(const std::string& path) {
    return path.empty() ? kNoAttributes : GetFileAttributesW(LongPath(path).c_str());
}

// Only files on disk: a pipe or a console would block the read or never end.
HANDLE OpenRegularFile(const std::string& path) {
    HANDLE handle = CreateFileW(LongPath(path).c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_DISK) {
        CloseHandle(handle);
        return INVALID_HANDLE_VALUE;
    }
    return handle;
}

std::string TemporaryName(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    const unsigned long long stamp =
        GetTickCount64() ^ (static_cast<unsigned long long>(GetCurrentProcessId()) << 32);
    return FolderPart(path) + "." + FileNamePart(path) + "." + std::to_string(stamp) + "." +
           std::to_string(counter++);
}

} // namespace

bool PathExists(const std::string& path) {
    return AttributesOf(path) != kNoAttributes;
}

bool IsFolder(const std::string& path) {
    const DWORD attributes = AttributesOf(path);
    return attributes != kNoAttributes && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool IsRegularFile(const std::string& path) {
    const DWORD attributes = AttributesOf(path);
    return attributes != kNoAttributes &&
           (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0;
}

bool IsSpecialFile(const std::string& path) {
    const DWORD attributes = AttributesOf(path);
    return attributes != kNoAttributes && (attributes & FILE_ATTRIBUTE_DEVICE) != 0;
}

std::uint64_t FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!IsRegularFile(path) ||
        !GetFileAttributesExW(LongPath(path).c_str(), GetFileExInfoStandard, &data)) {
        return 0;
    }
    return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// Opening for reading (listing, for a folder) is the one test that honours the file's
// access control; full sharing keeps it from disturbing anyone who holds the file.
bool IsReadable(const std::string& path) {
    if (path.empty()) {
        return false;
    }
    const bool folder = IsFolder(path);
    Handle handle(CreateFileW(LongPath(path).c_str(), folder ? FILE_LIST_DIRECTORY : GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, folder ? FILE_FLAG_BACKUP_SEMANTICS : 0, nullptr));
    return handle.valid();
}

bool CreateFolder(const std::string& path) {
    return !path.empty() && CreateDirectoryW(LongPath(path).c_str(), nullptr) != 0;
}

bool CreateFolderWithParents(const std::string& path) {
    std::string reason;
    return CreateFolderWithParents(path, reason);
}

// A parent that cannot be created (a server name, a drive) need not stop the folder:
// its reason is told only when the folder fails too, as the deeper cause.
bool CreateFolderWithParents(const std::string& path, std::string& reason) {
    if (path.empty()) {
        reason = SystemErrorText(ERROR_PATH_NOT_FOUND);
        return false;
    }
    if (IsFolder(path)) {
        return true;
    }
    std::string parent = path;
    while (!parent.empty() && IsFolderSeparator(parent.back())) {
        parent.pop_back();
    }
    parent = FolderPart(parent);
    std::string parentReason;
    if (!parent.empty() && parent != path) {
        CreateFolderWithParents(parent, parentReason);
    }
    const DWORD error = CreateFolder(path) ? ERROR_SUCCESS : GetLastError();
    if (IsFolder(path)) {
        return true;
    }
    reason = parentReason.empty() ? SystemErrorText(error) : parentReason;
    return false;
}

bool RemoveFile(const std::string& path) {
    const std::wstring target = LongPath(path);
    if (RetryTransient([&] { return DeleteFileW(target.c_str()) != 0; },
                       TransientErrors::Sharing)) {
        return true;
    }
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

bool RenameWithoutReplacing(const std::string& from, const std::string& to) {
    if (from.empty() || to.empty()) {
        return false;
    }
    const std::wstring source = LongPath(from);
    const std::wstring target = LongPath(to);
    return RetryTransient([&] { return MoveFileExW(source.c_str(), target.c_str(), 0) != 0; },
                          TransientErrors::Sharing);
}

std::vector<std::string> FolderEntryNames(const std::string& folder) {
    std::vector<std::string> names;
    std::wstring pattern = LongPath(folder);
    if (pattern.empty() || pattern.back() != L'\\') {
        pattern += L'\\';
    }
    pattern += L'*';
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found,
                                     FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (search == INVALID_HANDLE_VALUE) {
        return names;
    }
    do {
        names.push_back(Utf8FromWide(found.cFileName));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

std::string CurrentFolder() {
    const DWORD length = GetCurrentDirectoryW(0, nullptr);
    std::wstring folder(length, L'\0');
    if (length == 0 || GetCurrentDirectoryW(length, folder.data()) + 1 != length) {
        return ".";
    }
    folder.resize(length - 1);
    return UserPath(folder);
}

std::string AbsolutePath(const std::string& path) {
    return path.empty() ? path : UserPath(LongPath(path));
}

std::string ExecutablePath() {
    std::wstring exe(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, exe.data(), static_cast<DWORD>(exe.size()));
        if (length == 0) {
            return {};
        }
        if (length < exe.size()) {
            exe.resize(length);
            return UserPath(exe);
        }
        exe.resize(exe.size() * 2);
    }
}

std::string ExecutableFolder() {
    std::string folder = ExecutablePath();
    folder.resize(folder.rfind('\\') == std::string::npos ? 0 : folder.rfind('\\'));
    // A drive root keeps its separator: "C:" alone would mean that drive's current folder.
    if (folder.size() == 2 && folder[1] == ':') {
        folder += '\\';
    }
    return folder.empty() ? "." : folder;
}

namespace {

// An environment variable's value; empty when it is not set.
std::string Environment(const wchar_t* name) {
    const DWORD length = GetEnvironmentVariableW(name, nullptr, 0);
    std::wstring value(length, L'\0');
    if (length > 1 && GetEnvironmentVariableW(name, value.data(), length) + 1 == length) {
        value.resize(length - 1);
        return Utf8FromWide(value);
    }
    return {};
}

} // namespace

std::string HomeFolder() {
    const std::string home = Environment(L"USERPROFILE");
    return home.empty() ? "C:\\" : home;
}

std::string UserStateFolder() {
    const std::string local = Environment(L"LOCALAPPDATA");
    return (local.empty() ? HomeFolder() + "\\AppData\\Local" : local) + "\\Lumo";
}

std::FILE* OpenRegularFileForReading(const std::string& path) {
    Handle file(OpenRegularFile(path));
    if (!file.valid()) {
        return nullptr;
    }
    const int descriptor =
        _open_osfhandle(reinterpret_cast<intptr_t>(file.get()), _O_RDONLY | _O_BINARY);
    if (descriptor < 0) {
        return nullptr;
    }
    file.release();
    std::FILE* stream = _fdopen(descriptor, "rb");
    if (stream == nullptr) {
        _close(descriptor);
    }
    return stream;
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
    Handle file(OpenRegularFile(path));
    LARGE_INTEGER size{};
    if (!file.valid() || !GetFileSizeEx(file.get(), &size)) {
        bytes.clear();
        return false;
    }
    // Read to the end, so that a file that grows meanwhile is read whole all the same.
    bytes.resize(static_cast<std::size_t>(size.QuadPart) + 1);
    std::size_t used = 0;
    for (;;) {
        if (used == bytes.size()) {
            bytes.resize(bytes.size() * 2 + 4096);
        }
        const DWORD chunk =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - used, 1u << 30));
        DWORD got = 0;
        if (!ReadFile(file.get(), bytes.data() + used, chunk, &got, nullptr)) {
            bytes.clear();
            return false;
        }
        if (got == 0) {
            break;
        }
        used += got;
    }
    bytes.resize(used);
    return true;
}

bool ReplaceFileAtomically(const std::string& path, const std::string& bytes, std::string& reason) {
    const std::string temp = TemporaryName(path);
    const std::wstring tempPath = LongPath(temp);
    Handle file(CreateFileW(tempPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        reason = SystemErrorText(GetLastError());
        return false;
    }
    const bool written = WriteAll(file.get(), bytes) && FlushFileBuffers(file.get());
    DWORD error = written ? ERROR_SUCCESS : GetLastError();
    if (!file.close() && written) {
        error = GetLastError();
    }
    if (error == ERROR_SUCCESS) {
        const std::wstring target = LongPath(path);
        const bool moved = RetryTransient(
            [&] {
                return MoveFileExW(tempPath.c_str(), target.c_str(),
                                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
            },
            TransientErrors::SharingOrAccessDenied);
        if (moved) {
            return true;
        }
        error = GetLastError();
    }
    reason = SystemErrorText(error);
    RetryTransient([&] { return DeleteFileW(tempPath.c_str()) != 0; }, TransientErrors::Sharing);
    return false;
}

} // namespace lumo
