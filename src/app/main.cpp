#include "Application.h"
#include "CommandLine.h"

#include <QCoreApplication>
#include <QStringList>

int main(int argc, char** argv) {
    lumo::qt::CommandLine commandLine;
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    if (commandLine.asksForInformation(arguments)) {
        QCoreApplication information(argc, argv);
        lumo::qt::NameApplication();
        commandLine.answer(arguments);
    }
    lumo::qt::Application app(argc, argv);
    return app.Run(commandLine.files(lumo::qt::Application::arguments()));
}
