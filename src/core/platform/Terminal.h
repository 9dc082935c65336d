#pragma once

namespace lumo {

// True when the standard error stream is an interactive terminal (a progress line that
// rewrites itself only makes sense there).
bool StandardErrorIsTerminal();

} // namespace lumo
