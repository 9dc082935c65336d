#include "ScreenPlacement.h"

#include "model/WindowPlacement.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

namespace lumo::qt {

namespace {

ScreenRect FromQRect(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

QRect AvailableAt(const QPoint& point) {
    const QScreen* screen = QGuiApplication::screenAt(point);
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    return screen ? screen->availableGeometry() : QRect(point, QSize(1, 1));
}

} // namespace

QPoint PopupBesideCursor(const QSize& size, const QPoint& cursor) {
    const ScreenPoint placed = PlaceBesideCursor(
        size.width(), size.height(), {cursor.x(), cursor.y()}, FromQRect(AvailableAt(cursor)));
    return {placed.x, placed.y};
}

QPoint CentredOver(const QSize& size, const QWidget& owner) {
    const QRect frame = owner.frameGeometry();
    const ScreenPoint placed = CentreOver(size.width(), size.height(), FromQRect(frame),
                                          FromQRect(AvailableAt(frame.center())));
    return {placed.x, placed.y};
}

} // namespace lumo::qt
