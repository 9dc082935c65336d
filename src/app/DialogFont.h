#pragma once

#include <QFont>

namespace lumo::qt {

// The dialogs' font at the given template point size: the templates' face where installed,
// else IPAPGothic, else any sans-serif family that can write Japanese. Sizes are taken as
// points at 96 dots per inch, so a dialog looks the same on every screen resolution.
QFont DialogFont(int points);

} // namespace lumo::qt
