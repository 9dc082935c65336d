#include "support/ScopedEnv.h"

#include <stdlib.h>

namespace lumo::test {

void SetEnvironment(const char* name, const char* value) {
    if (value != nullptr) {
        ::setenv(name, value, 1);
    } else {
        ::unsetenv(name);
    }
}

} // namespace lumo::test
