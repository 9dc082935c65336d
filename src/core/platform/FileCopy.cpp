#include "platform/FileCopy.h"

namespace lumo {

bool CopyFileReplacing(const std::string&, const std::string&, const CopyProgress&) {
    return false;
}

} // namespace lumo
