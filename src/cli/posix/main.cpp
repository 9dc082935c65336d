#include "cli/Commands.h"
#include "platform/StopSignals.h"
#include "platform/Terminal.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const lumo::cli::Console console{std::cout, std::cerr, lumo::StandardErrorIsTerminal()};
    // A build interrupted by Ctrl+C or a termination request leaves its folder unchanged.
    lumo::CatchStopSignals();
    return lumo::cli::RunCli(arguments, console);
}
