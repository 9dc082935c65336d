#include "model/MainDialogModel.h"

#include <algorithm>
#include <string>

namespace lumo {

void MainDialogModel::AddCurrentEntry() {
    const int count = static_cast<int>(entries().size());
    const int position =
        (selectedIndex_ == -1 || selectedIndex_ == count) ? count : selectedIndex_ + 1;
    const ItemAddition addition = exhibition_.Insert(static_cast<std::size_t>(position), current_);
    if (!addition.added) {
        messages_.show(addition.reason);
        return;
    }
    selectedIndex_ = static_cast<int>(addition.position);
    RefreshEntryList(selectedIndex_);
    NoteEdit();
}

void MainDialogModel::DeleteSelectedEntry() {
    if (selectedIndex_ == -1 || entries().empty()) {
        return;
    }
    const int count = static_cast<int>(entries().size());
    const int removed = std::min(selectedIndex_, count - 1);
    exhibition_.Remove(static_cast<std::size_t>(removed));
    // The entry after the removed one takes its place; removing the last selects the
    // new last one, and removing the only one leaves nothing selected.
    selectedIndex_ = std::min(removed, count - 2);
    RefillList();
    controls_.selectListItem(selectedIndex_);
    if (selectedIndex_ != -1) {
        current_ = entries()[static_cast<std::size_t>(selectedIndex_)];
        ShowCurrentEntry();
    } else {
        ClearCurrentEntry();
    }
    ShowCount();
    NoteEdit();
}

void MainDialogModel::MoveSelectedEntryUp() {
    if (selectedIndex_ == -1) {
        return;
    }
    selectedIndex_ = controls_.selectedListItem();
    if (selectedIndex_ <= 0) {
        return;
    }
    exhibition_.Swap(static_cast<std::size_t>(selectedIndex_),
                     static_cast<std::size_t>(selectedIndex_ - 1));
    --selectedIndex_;
    LoadEntry(selectedIndex_);
    NoteEdit();
}

void MainDialogModel::MoveSelectedEntryDown() {
    if (selectedIndex_ == -1) {
        return;
    }
    selectedIndex_ = controls_.selectedListItem();
    if (selectedIndex_ == -1 || selectedIndex_ + 1 >= static_cast<int>(entries().size())) {
        return;
    }
    exhibition_.Swap(static_cast<std::size_t>(selectedIndex_),
                     static_cast<std::size_t>(selectedIndex_ + 1));
    ++selectedIndex_;
    LoadEntry(selectedIndex_);
    NoteEdit();
}

void MainDialogModel::LoadSelectedEntry() {
    if (selectedIndex_ == -1) {
        return;
    }
    selectedIndex_ = controls_.selectedListItem();
    if (selectedIndex_ == -1) {
        return;
    }
    if (!arrowKeyPressed_ && !controls_.cursorInListItem(selectedIndex_)) {
        return;
    }
    LoadEntry(selectedIndex_);
    arrowKeyPressed_ = false;
    NoteSelection();
}

void MainDialogModel::RefreshEntryList(int index) {
    RefillList();
    if (index != -1) {
        controls_.selectListItem(selectedIndex_);
    }
    ShowCount();
}

void MainDialogModel::ClearCurrentEntry() {
    controls_.setFieldText(Field::Document, {});
    controls_.setFieldText(Field::Description, {});
    controls_.setFieldText(Field::Thumbnail, {});
    current_.documentPath.clear();
    current_.thumbnailPath.clear();
    current_.descriptionPath.clear();
}

void MainDialogModel::ShowCurrentEntry() {
    controls_.setFieldText(Field::Document, current_.documentPath);
    controls_.setFieldText(Field::Description, current_.descriptionPath);
    controls_.setFieldText(Field::Thumbnail, current_.thumbnailPath);
}

void MainDialogModel::RefillList() {
    controls_.clearList();
    for (const ExhibitionEntry& entry : entries()) {
        controls_.appendListItem(entry.documentPath);
    }
}

void MainDialogModel::ShowCount() {
    controls_.setFieldText(Field::Count, std::to_string(entries().size()));
}

// Copies entry index into the current entry, shows it, and redraws the list with it
// highlighted.
void MainDialogModel::LoadEntry(int index) {
    current_ = entries()[static_cast<std::size_t>(index)];
    ShowCurrentEntry();
    RefillList();
    controls_.selectListItem(index);
}

} // namespace lumo
