#include "support/ScopedEnv.h"

#include <stdlib.h>

namespace lumo::test {

// An empty value removes the variable on Windows.
void SetEnvironment(const char* name, const char* value) {
    _putenv_s(name, value != nullptr ? value : "");
}

} // namespace lumo::test
