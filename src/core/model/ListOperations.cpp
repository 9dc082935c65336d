#include "model/MainDialogModel.h"

#include <string>

namespace lumo {

namespace {

const char* const kMissingElement = "エラー　要素が足りません";

} // namespace

void MainDialogModel::AddCurrentEntry() {
    if (current_.documentPath.empty() || current_.thumbnailPath.empty() ||
        current_.descriptionPath.empty()) {
        messages_.show(kMissingElement);
        return;
    }
    const int count = static_cast<int>(entries_.size());
    if (selectedIndex_ == -1 || selectedIndex_ == count) {
        entries_.push_back(current_);
        selectedIndex_ = count;
    } else {
        entries_.insert(entries_.begin() + selectedIndex_ + 1, current_);
        ++selectedIndex_;
    }
    RefreshEntryList(selectedIndex_);
}

void MainDialogModel::DeleteSelectedEntry() {
    if (selectedIndex_ == -1 || entries_.empty()) {
        return;
    }
    const int count = static_cast<int>(entries_.size());
    if (count == 1) {
        entries_.clear();
        selectedIndex_ = -1;
    } else if (selectedIndex_ == 0) {
        entries_.erase(entries_.begin());
    } else if (selectedIndex_ >= count - 1) {
        entries_.pop_back();
        selectedIndex_ = count - 2;
    } else {
        entries_.erase(entries_.begin() + selectedIndex_);
    }
    RefillList();
    controls_.selectListItem(selectedIndex_);
    if (selectedIndex_ != -1) {
        current_ = entries_[static_cast<std::size_t>(selectedIndex_)];
        ShowCurrentEntry();
    } else {
        ClearCurrentEntry();
    }
    ShowCount();
}

void MainDialogModel::MoveSelectedEntryUp() {
    if (selectedIndex_ == -1) {
        return;
    }
    selectedIndex_ = controls_.selectedListItem();
    if (selectedIndex_ <= 0) {
        return;
    }
    std::swap(entries_[static_cast<std::size_t>(selectedIndex_)],
              entries_[static_cast<std::size_t>(selectedIndex_ - 1)]);
    --selectedIndex_;
    LoadEntry(selectedIndex_);
}

void MainDialogModel::MoveSelectedEntryDown() {
    if (selectedIndex_ == -1) {
        return;
    }
    selectedIndex_ = controls_.selectedListItem();
    if (selectedIndex_ == -1 || selectedIndex_ + 1 >= static_cast<int>(entries_.size())) {
        return;
    }
    std::swap(entries_[static_cast<std::size_t>(selectedIndex_)],
              entries_[static_cast<std::size_t>(selectedIndex_ + 1)]);
    ++selectedIndex_;
    LoadEntry(selectedIndex_);
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
    for (const ExhibitionEntry& entry : entries_) {
        controls_.appendListItem(entry.documentPath);
    }
}

void MainDialogModel::ShowCount() {
    controls_.setFieldText(Field::Count, std::to_string(entries_.size()));
}

// Copies entry index into the current entry, shows it, and redraws the list with it
// highlighted.
void MainDialogModel::LoadEntry(int index) {
    current_ = entries_[static_cast<std::size_t>(index)];
    ShowCurrentEntry();
    RefillList();
    controls_.selectListItem(index);
}

} // namespace lumo
