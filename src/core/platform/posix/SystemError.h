#pragma once

#include "platform/FileResult.h"

namespace lumo {

// A failed file step from errno: its kind where callers act on it, the system's text as
// the reason.
FileResult ErrnoFailure(int error);

} // namespace lumo
