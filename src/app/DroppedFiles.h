#pragma once

#include <QList>
#include <QUrl>

#include <string>
#include <vector>

namespace lumo::qt {

// The local files among the URLs of a drag, in the order the platform gave them, as
// UTF-8 paths. Anything that is not a local file (web addresses, remote shares) is left
// out; an empty result means the drag offers nothing Lumo takes.
std::vector<std::string> DroppedFilePaths(const QList<QUrl>& urls);

} // namespace lumo::qt
