#pragma once

#include <string>

namespace lumo::win {

// The running executable's base name ("Lumo" for Lumo.exe): the title of every message.
std::wstring ApplicationName();

} // namespace lumo::win
