#include "Application.h"

#include "FolderDialog.h"
#include "MainDialog.h"
#include "MessageBoxes.h"
#include "exhibition/BuildRecords.h"
#include "model/AboutBox.h"
#include "model/SavedListFile.h"
#include "platform/FileSystem.h"

#include <QFileInfo>
#include <QIcon>
#include <QLibraryInfo>
#include <QTimer>

namespace lumo::qt {

namespace {

// Executables are lower-case on Linux; the name shown in titles starts with a capital.
QString NameFromExecutable(const QString& executable) {
    QString name = QFileInfo(executable).completeBaseName();
    if (!name.isEmpty()) {
        name[0] = name[0].toUpper();
    }
    return name;
}

QIcon ApplicationIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 256}) {
        icon.addFile(QStringLiteral(":/icons/lumo-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

} // namespace

void NameApplication() {
    QCoreApplication::setApplicationName(
        NameFromExecutable(QCoreApplication::applicationFilePath()));
    QCoreApplication::setApplicationVersion(QString::fromStdString(VersionNumber()));
}

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    NameApplication();
    setDesktopFileName(QStringLiteral("lumo"));
    setWindowIcon(ApplicationIcon());
    // Standard dialogs and buttons speak Japanese like the rest of the window, where Qt's
    // translations are installed; without them they stay English.
    if (qtTexts_.load(QStringLiteral("qtbase_ja"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        installTranslator(&qtTexts_);
    }
}

int Application::Run(const std::vector<std::string>& files) {
    MessageBoxes messages;
    FolderDialog chooser;
    const BuildRecords records(UserStateFolder());
    MainDialog dialog(messages, chooser, SavedListPath());
    messages.setOwner(&dialog);
    chooser.setOwner(&dialog);
    dialog.model().SettleInterruptedBuilds(records);
    // With the window shown: the list a killed session left is offered back first, and
    // the command line's files come after it as a drop.
    QTimer::singleShot(0, &dialog, [&dialog, files] {
        dialog.model().RestoreSavedList();
        if (!files.empty()) {
            dialog.HandleDroppedPaths(files);
        }
    });
    dialog.exec();
    return 0;
}

} // namespace lumo::qt
