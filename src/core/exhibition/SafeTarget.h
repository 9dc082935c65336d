#pragma once

#include <string>

namespace lumo {

// True when target, read as the system reads it, lies strictly inside folder and opens no
// device: a name such as "..", ".", "/" or "" would otherwise name the folder itself or
// reach out of it, and NUL on Windows would write to the device.
bool LiesInside(const std::string& target, const std::string& folder);

// True when a copy of source may be written to target: inside folder and not onto the
// source itself.
bool IsSafeTarget(const std::string& target, const std::string& folder, const std::string& source);

} // namespace lumo
