#include "EntryListBox.h"

namespace lumo {

EntryListBox::EntryListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Paths are right-aligned; when one is too long its file name stays visible.
    setTextElideMode(Qt::ElideLeft);
    setUniformItemSizes(true);
}

// Ctrl+click and Ctrl+Space would deselect the highlighted item.
QItemSelectionModel::SelectionFlags EntryListBox::selectionCommand(const QModelIndex& index,
                                                                   const QEvent* event) const {
    const QItemSelectionModel::SelectionFlags command = QListWidget::selectionCommand(index, event);
    if (command & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle)) {
        return QItemSelectionModel::NoUpdate;
    }
    return command;
}

} // namespace lumo
