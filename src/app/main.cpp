#include "LumoApp.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <string>
#include <vector>

// Files given on the command line (a desktop environment's "open with") arrive as a drop.
int main(int argc, char** argv) {
    lumo::CLumoApp app(argc, argv);
    std::vector<std::string> files;
    const QStringList arguments = lumo::CLumoApp::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        files.push_back(
            QFile::encodeName(QFileInfo(arguments[i]).absoluteFilePath()).toStdString());
    }
    return app.Run(files);
}
