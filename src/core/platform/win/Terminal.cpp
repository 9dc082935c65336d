#include "platform/Terminal.h"

#include <windows.h>

namespace lumo {

// A console answers GetConsoleMode; a pipe or a file does not. (_isatty also says yes for
// the NUL device.)
bool StandardErrorIsTerminal() {
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &mode) != 0;
}

} // namespace lumo
