#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

namespace lumo::qt {

// The top-left corner of a popup of size beside the cursor, inside the available
// geometry of the screen that holds the cursor.
QPoint PopupBesideCursor(const QSize& size, const QPoint& cursor);

// The top-left corner that centres a window of size over owner's frame, inside the
// available geometry of owner's screen.
QPoint CentredOver(const QSize& size, const QWidget& owner);

} // namespace lumo::qt
