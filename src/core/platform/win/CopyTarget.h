#pragma once

namespace lumo {

// Whether a copy may write to an existing target with these file attributes: never
// through a reparse point (a symbolic link or junction could lead anywhere), never onto
// a folder or a device.
bool IsRefusedCopyTarget(unsigned long attributes);

} // namespace lumo
