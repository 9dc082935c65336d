#include "platform/Terminal.h"

#include <unistd.h>

namespace lumo {

bool StandardErrorIsTerminal() {
    return ::isatty(STDERR_FILENO) == 1;
}

} // namespace lumo
