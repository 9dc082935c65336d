#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>

#include <string>
#include <vector>

namespace lumo::qt {

// The window's command line: --help, --version and the files to open, which reach the
// window as one drop (a desktop's "open with").
class CommandLine {
public:
    CommandLine();

    // True when the arguments (the program first) ask for the help or the version, which
    // are answered without a window and so without a display.
    bool asksForInformation(const QStringList& arguments);
    // Prints the help or the version asked for and ends the program.
    [[noreturn]] void answer(const QStringList& arguments);

    // The files named, made absolute, as UTF-8 paths in the order given. Help, the version
    // and an unknown option are answered on the terminal instead, and end the program.
    std::vector<std::string> files(const QStringList& arguments);

private:
    QCommandLineParser parser_;
    QCommandLineOption help_;
    QCommandLineOption version_;
};

} // namespace lumo::qt
