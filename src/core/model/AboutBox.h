#pragma once

#include <string>

namespace lumo {

// This build's version, "1.2.3".
std::string VersionNumber();

// The About box's line beside the icon: the application's name and version.
std::string AboutVersionLine();

} // namespace lumo
