#include "platform/FileOperations.h"

namespace lumo {

FileResult SystemFileOperations::copyFile(const std::string& source, const std::string& target,
                                          const CopyProgress& progress) {
    return CopyFileWithReason(source, target, progress);
}

FileResult SystemFileOperations::linkFile(const std::string& existing, const std::string& link) {
    return LinkFile(existing, link);
}

FileResult SystemFileOperations::makeFolder(const std::string& path) {
    return MakeFolder(path);
}

FileResult SystemFileOperations::move(const std::string& from, const std::string& to) {
    return MovePath(from, to);
}

FileResult SystemFileOperations::replaceFile(const std::string& from, const std::string& target) {
    return MoveFileOver(from, target);
}

FileResult SystemFileOperations::flushTree(const std::string& folder) {
    return FlushTree(folder);
}

FileResult SystemFileOperations::flushFolder(const std::string& path) {
    return FlushFolder(path);
}

FileResult SystemFileOperations::writeNewFile(const std::string& path, const std::string& bytes) {
    return WriteNewFile(path, bytes);
}

FileResult SystemFileOperations::removeTree(const std::string& path) {
    return RemoveTree(path);
}

} // namespace lumo
