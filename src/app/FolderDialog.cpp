#include "QtFolderChooser.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

namespace lumo {

// The start path is often the last dropped scene document: the dialog then opens in the
// folder that holds it.
std::string QtFolderChooser::chooseFolder(const std::string& startPath) {
    const QFileInfo start(QFile::decodeName(QByteArray::fromStdString(startPath)));
    const QString startFolder =
        start.exists() && !start.isDir() ? start.absolutePath() : start.filePath();
    const QString chosen = QFileDialog::getExistingDirectory(
        owner_, QStringLiteral("保存先フォルダを選択してください"), startFolder);
    return chosen.isEmpty() ? std::string() : QFile::encodeName(chosen).toStdString();
}

} // namespace lumo
