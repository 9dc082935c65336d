#pragma once

#include <QListWidget>

namespace lumo {

// The entry list box: single selection that the curator can move but never clear, as the
// dialog's list operations expect a highlighted item whenever the list holds entries.
class EntryListBox final : public QListWidget {
    Q_OBJECT
public:
    explicit EntryListBox(QWidget* parent);

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
};

} // namespace lumo
