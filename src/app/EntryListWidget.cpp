#include "EntryListWidget.h"

#include <QCursor>
#include <QSignalBlocker>

namespace lumo::qt {

EntryListWidget::EntryListWidget(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Paths are right-aligned; when one is too long its file name stays visible.
    setTextElideMode(Qt::ElideLeft);
    setUniformItemSizes(true);
}

// Ctrl+click and Ctrl+Space would deselect the highlighted item.
QItemSelectionModel::SelectionFlags EntryListWidget::selectionCommand(const QModelIndex& index,
                                                                      const QEvent* event) const {
    const QItemSelectionModel::SelectionFlags command = QListWidget::selectionCommand(index, event);
    if (command & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle)) {
        return QItemSelectionModel::NoUpdate;
    }
    return command;
}

void EntryListWidget::clearSilently() {
    const QSignalBlocker silent(this);
    clear();
}

void EntryListWidget::appendSilently(const std::string& text) {
    const QSignalBlocker silent(this);
    auto* item = new QListWidgetItem(QString::fromStdString(text), this);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void EntryListWidget::selectSilently(int row) {
    const QSignalBlocker silent(this);
    setCurrentRow(row >= 0 && row < count() ? row : -1);
}

int EntryListWidget::selectedRow() const {
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.first());
}

// A point on the right or bottom edge of the row's rectangle counts.
bool EntryListWidget::cursorInRow(int row) const {
    if (row < 0 || row >= count()) {
        return false;
    }
    const QPoint cursor = viewport()->mapFromGlobal(QCursor::pos());
    const QRect rect = visualItemRect(item(row));
    return cursor.x() >= rect.left() && cursor.x() <= rect.left() + rect.width() &&
           cursor.y() >= rect.top() && cursor.y() <= rect.top() + rect.height();
}

} // namespace lumo::qt
