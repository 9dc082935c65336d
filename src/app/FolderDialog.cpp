#include "FolderDialog.h"

#include <QFile>
#include <QFileDialog>

namespace lumo::qt {

std::string FolderDialog::chooseFolder(const std::string& startPath) {
    const QString chosen = QFileDialog::getExistingDirectory(
        owner_, QString::fromUtf8(kFolderChooserTitle),
        QFile::decodeName(QByteArray::fromStdString(ChooserStartFolder(startPath))));
    return chosen.isEmpty() ? std::string() : QFile::encodeName(chosen).toStdString();
}

} // namespace lumo::qt
