#pragma once

#include <QListWidget>

#include <string>

namespace lumo::qt {

// The entry list box: single selection that the curator can move but never clear, as the
// dialog's list operations expect a highlighted item whenever the list holds entries.
// The list operations redraw it themselves; only the curator's own selection changes
// signal, so the changes made here are silent.
class EntryListWidget final : public QListWidget {
    Q_OBJECT
public:
    explicit EntryListWidget(QWidget* parent);

    void clearSilently();
    // A path, right-aligned.
    void appendSilently(const std::string& text);
    // Makes row the single selection; a row outside the list leaves nothing selected.
    void selectSilently(int row);
    // The highlighted row, -1 when none.
    int selectedRow() const;
    // Whether the mouse cursor lies in the row's rectangle, edges included.
    bool cursorInRow(int row) const;

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
};

} // namespace lumo::qt
