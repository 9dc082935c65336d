#pragma once

#include "platform/FileCopy.h"
#include "platform/FileResult.h"

#include <string>

namespace lumo {

// What lies at a path, links not followed: a symbolic link (or a junction on Windows) is
// a Link whatever it points at.
enum class PathKind { Missing, File, Folder, Link, Other };
PathKind KindAt(const std::string& path);

// Creates exactly one folder; Exists when anything is at the path already, which makes a
// new folder usable as a lock.
FileResult MakeFolder(const std::string& path);

// Renames a file or folder within one volume, never replacing anything at the target
// (Exists then). On Windows a move refused because a program holds a file is tried again
// for a few seconds, then fails as InUse.
FileResult MovePath(const std::string& from, const std::string& to);

// Renames a file over the file at target in one step: a reader sees the old file or the
// new one, never neither. Retried and reported like MovePath.
FileResult MoveFileOver(const std::string& from, const std::string& target);

// Makes link a second name of the file existing; NoLinks where the file system cannot
// (no hard links, another volume, too many links), so that the caller copies instead.
FileResult LinkFile(const std::string& existing, const std::string& link);

// Waits until everything below folder is on the disk: every file's content and every
// folder's list of names, the folder's own included. Where the system can, in one pass
// over the whole file system (as sync does), which is far quicker than file by file.
FileResult FlushTree(const std::string& folder);

// Waits until the folder's list of names is on the disk.
FileResult FlushFolder(const std::string& path);

// Creates the file at path (Exists when anything is there), writes bytes and flushes it.
FileResult WriteNewFile(const std::string& path, const std::string& bytes);

// Removes a folder and everything in it, or a single file; nothing there counts as done.
// A link inside is removed itself, never followed, so nothing outside the tree is touched.
FileResult RemoveTree(const std::string& path);

// The file steps of a build, one call each, so that a test can make any one of them fail.
class IFileOperations {
public:
    virtual ~IFileOperations() = default;

    virtual FileResult copyFile(const std::string& source, const std::string& target,
                                const CopyProgress& progress) = 0;
    virtual FileResult linkFile(const std::string& existing, const std::string& link) = 0;
    virtual FileResult makeFolder(const std::string& path) = 0;
    virtual FileResult move(const std::string& from, const std::string& to) = 0;
    virtual FileResult replaceFile(const std::string& from, const std::string& target) = 0;
    virtual FileResult flushTree(const std::string& folder) = 0;
    virtual FileResult flushFolder(const std::string& path) = 0;
    virtual FileResult writeNewFile(const std::string& path, const std::string& bytes) = 0;
    virtual FileResult removeTree(const std::string& path) = 0;
};

// The steps as the system performs them.
class SystemFileOperations final : public IFileOperations {
public:
    FileResult copyFile(const std::string& source, const std::string& target,
                        const CopyProgress& progress) override;
    FileResult linkFile(const std::string& existing, const std::string& link) override;
    FileResult makeFolder(const std::string& path) override;
    FileResult move(const std::string& from, const std::string& to) override;
    FileResult replaceFile(const std::string& from, const std::string& target) override;
    FileResult flushTree(const std::string& folder) override;
    FileResult flushFolder(const std::string& path) override;
    FileResult writeNewFile(const std::string& path, const std::string& bytes) override;
    FileResult removeTree(const std::string& path) override;
};

} // namespace lumo
