#include "CommandLine.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cstdlib>

namespace lumo::qt {

CommandLine::CommandLine() : help_(parser_.addHelpOption()), version_(parser_.addVersionOption()) {
    parser_.setApplicationDescription(QStringLiteral(
        "Assembles scene documents into one exhibition. Files named here are taken as if "
        "dropped on the window."));
    parser_.addPositionalArgument(QStringLiteral("files"),
                                  QStringLiteral("Scene documents, images or a built "
                                                 "exhibition.tsd to open."),
                                  QStringLiteral("[FILE...]"));
}

// Options only the window's toolkit knows (-platform, -style) fail this parse; the files()
// parse sees the arguments after the toolkit took its own out.
bool CommandLine::asksForInformation(const QStringList& arguments) {
    return parser_.parse(arguments) && (parser_.isSet(help_) || parser_.isSet(version_));
}

void CommandLine::answer(const QStringList& arguments) {
    parser_.process(arguments);
    std::exit(EXIT_SUCCESS);
}

std::vector<std::string> CommandLine::files(const QStringList& arguments) {
    parser_.process(arguments);
    std::vector<std::string> paths;
    for (const QString& file : parser_.positionalArguments()) {
        paths.push_back(QFile::encodeName(QFileInfo(file).absoluteFilePath()).toStdString());
    }
    return paths;
}

} // namespace lumo::qt
