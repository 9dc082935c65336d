#pragma once

#include <string>

namespace lumo {

// The system's own description of a Windows error code, in UTF-8, without a line end.
std::string SystemErrorText(unsigned long error);

} // namespace lumo
