#pragma once

#include <windows.h>

namespace lumo {

// The application: registers the common controls, runs the main dialog modally and ends
// when the curator closes it.
class CLumoApp {
public:
    explicit CLumoApp(HINSTANCE instance) : instance_(instance) {}

    int Run();

private:
    HINSTANCE instance_;
};

} // namespace lumo
