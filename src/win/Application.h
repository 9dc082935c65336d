#pragma once

#include <windows.h>

namespace lumo::win {

// The application: registers the common controls, runs the main dialog modally and ends
// when the curator closes it.
class Application {
public:
    explicit Application(HINSTANCE instance) : instance_(instance) {}

    int Run();

private:
    HINSTANCE instance_;
};

} // namespace lumo::win
