#pragma once

#include <string>
#include <string_view>

namespace lumo {

// Exhibitions built on any system are shown on Windows; these tell which names the copy
// may create there.

// True for a name Windows keeps for a device, whatever its letter case, with or without
// an extension and with spaces before the dot: CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to
// LPT9 ("nul.txt", "Con .dat").
bool IsWindowsDeviceName(std::string_view name);

// True when Windows cannot hold a file or folder of this name: a device name, a name
// ending in a dot or a space, or one holding <>:"|?*\ or a control character. "." and
// ".." are steps rather than names and are left to the caller.
bool WindowsRefusesName(std::string_view name);

// Equal for two names exactly when Windows' case-insensitive comparison takes them for
// one: each UTF-16 unit upper-cased by the system's own case mapping, full Unicode.
std::u16string WindowsNameKey(std::string_view name);

} // namespace lumo
