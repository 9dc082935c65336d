#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace lumo {

// True when a file or a folder exists at the path.
bool PathExists(const std::string& path);

// True when the path names an existing folder ("." and ".." of a listing included).
bool IsFolder(const std::string& path);

// True when the path names an existing regular file (links followed).
bool IsRegularFile(const std::string& path);

// True when the path names a named pipe, a device or a socket (links followed): something
// that is neither a regular file nor a folder and that a copy cannot take.
bool IsSpecialFile(const std::string& path);

// The size in bytes of the regular file at path (links followed); 0 when there is none.
std::uint64_t FileSize(const std::string& path);

// True when the process may read the file, or list the folder, at path; checked without
// opening it.
bool IsReadable(const std::string& path);

// Creates exactly one folder; fails when it already exists (as anything) or its parent
// is missing.
bool CreateFolder(const std::string& path);

// Creates a folder and every missing parent; true when the folder exists afterwards.
bool CreateFolderWithParents(const std::string& path);
// The same; on failure reason tells the system's own words for why.
bool CreateFolderWithParents(const std::string& path, std::string& reason);

// Removes a file; true when nothing is left at the path, also when nothing was there.
bool RemoveFile(const std::string& path);

// Gives a file or folder a new path on the same volume; fails when the new path is taken.
bool RenameWithoutReplacing(const std::string& from, const std::string& to);

// The names of everything directly in a folder, "." and ".." included, in the order the
// system delivers them; empty when the folder cannot be read.
std::vector<std::string> FolderEntryNames(const std::string& folder);

// The process's current folder; "." when it cannot be told.
std::string CurrentFolder();

// The path made absolute against the current folder, otherwise unchanged.
std::string AbsolutePath(const std::string& path);

// The running executable's full path; empty when the system cannot tell.
std::string ExecutablePath();

// The folder that holds the running executable, without a trailing separator.
std::string ExecutableFolder();

// The curator's home folder (where the folder chooser starts).
std::string HomeFolder();

// The folder where Lumo keeps the curator's state between runs (the list being worked
// on, builds in progress): $XDG_STATE_HOME/lumo or ~/.local/state/lumo on POSIX,
// %LOCALAPPDATA%\Lumo on Windows. Not created here.
std::string UserStateFolder();

// Where up.jpg and down.jpg are taken from: the executable's folder when they lie
// there, else the installed data folder (share/lumo beside the executable's prefix);
// the executable's folder when neither has them.
std::string ResourceFolder();

// Reads a whole regular file; false when it cannot be opened or read or is not a regular
// file (a folder, a named pipe, a device).
bool ReadWholeFile(const std::string& path, std::string& bytes);

// Opens a regular file for binary reading; nullptr for anything else. A FIFO or a
// device that happens to carry a file's name cannot stall the caller.
std::FILE* OpenRegularFileForReading(const std::string& path);

// Replaces the file at path with bytes without ever leaving a partial file there: the
// bytes go to a temporary file in the same folder, which is flushed, closed and renamed
// over the target. On failure the earlier file stays untouched, the temporary file is
// removed and reason tells why.
bool ReplaceFileAtomically(const std::string& path, const std::string& bytes, std::string& reason);

} // namespace lumo
