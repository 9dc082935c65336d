#include "DroppedFiles.h"

#include <QFile>

namespace lumo::qt {

std::vector<std::string> DroppedFilePaths(const QList<QUrl>& urls) {
    std::vector<std::string> paths;
    for (const QUrl& url : urls) {
        if (!url.isLocalFile()) {
            continue;
        }
        const QString path = url.toLocalFile();
        if (!path.isEmpty()) {
            paths.push_back(QFile::encodeName(path).toStdString());
        }
    }
    return paths;
}

} // namespace lumo::qt
