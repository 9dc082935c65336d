#include "cli/Commands.h"
#include "cli/win/ConsoleOutput.h"
#include "platform/StopSignals.h"
#include "platform/Terminal.h"
#include "platform/win/WidePath.h"

#include <iostream>
#include <string>
#include <vector>

// wmain receives the arguments in UTF-16 whatever the ANSI code page; the core takes
// UTF-8.
int wmain(int argc, wchar_t** argv) {
    const lumo::cli::StandardStreams streams;
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.push_back(lumo::Utf8FromWide(argv[i]));
    }
    const lumo::cli::Console console{
        std::cout, std::cerr, lumo::StandardErrorIsTerminal() && streams.progressLineWorks()};
    // A build interrupted by Ctrl+C or a termination request leaves its folder unchanged.
    lumo::CatchStopSignals();
    return lumo::cli::RunCli(arguments, console);
}
