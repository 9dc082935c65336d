#include "platform/posix/SystemError.h"

#include <cerrno>
#include <cstring>

namespace lumo {

FileResult ErrnoFailure(int error) {
    if (error == 0) {
        error = EIO;
    }
    FileFailure failure = FileFailure::Failed;
    if (error == EEXIST || error == ENOTEMPTY) {
        failure = FileFailure::Exists;
    } else if (error == ENOENT || error == ENOTDIR) {
        failure = FileFailure::Missing;
    } else if (error == EBUSY || error == ETXTBSY) {
        failure = FileFailure::InUse;
    }
    return FileResult::Failure(failure, std::strerror(error));
}

} // namespace lumo
