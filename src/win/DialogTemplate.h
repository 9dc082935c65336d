#pragma once

#include <windows.h>

#include <vector>

namespace lumo::win {

// A copy of an extended dialog template from the module's resources, made visible or
// hidden whatever the template says; empty when the template is missing.
std::vector<BYTE> LoadDialogTemplate(HINSTANCE instance, int id, bool visible);

} // namespace lumo::win
