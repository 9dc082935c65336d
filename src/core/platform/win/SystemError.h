#pragma once

#include "platform/FileResult.h"

#include <string>

namespace lumo {

// The system's own description of a Windows error code, in UTF-8, without a line end.
std::string SystemErrorText(unsigned long error);

// A failed file step from a Windows error code: its kind where callers act on it, the
// system's text as the reason.
FileResult WindowsFailure(unsigned long error);

} // namespace lumo
