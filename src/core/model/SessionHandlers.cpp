#include "model/MainDialogModel.h"

#include <cstddef>
#include <utility>

namespace lumo {

void MainDialogModel::RestoreSavedList() {
    if (!keeper_) {
        return;
    }
    std::optional<SavedList> saved = keeper_->Restore();
    if (!saved) {
        return;
    }
    for (const ExhibitionEntry& entry : saved->entries) {
        exhibition_.Insert(entries().size(), entry);
    }
    lastExhibition_ = saved->exhibition;
    const int count = static_cast<int>(entries().size());
    selectedIndex_ =
        saved->selectedIndex >= 0 && saved->selectedIndex < count ? saved->selectedIndex : -1;
    RefreshEntryList(selectedIndex_);
    if (selectedIndex_ != -1) {
        current_ = entries()[static_cast<std::size_t>(selectedIndex_)];
        ShowCurrentEntry();
    }
}

bool MainDialogModel::MayClose() {
    return !keeper_ || keeper_->MayClose();
}

void MainDialogModel::Closed() {
    if (keeper_) {
        keeper_->Closed();
    }
}

void MainDialogModel::Flush() {
    if (keeper_) {
        keeper_->Flush();
        StartFlushTimer();
    }
}

void MainDialogModel::FlushNow() {
    if (keeper_) {
        keeper_->FlushNow();
    }
}

void MainDialogModel::NoteEdit() {
    if (keeper_) {
        keeper_->Edited();
        StartFlushTimer();
    }
}

void MainDialogModel::NoteSelection() {
    if (keeper_) {
        keeper_->SelectionChanged();
        StartFlushTimer();
    }
}

// The list became, or came from, the exhibition last: the chooser opens by it next.
void MainDialogModel::NoteExhibition(const LastExhibition& last) {
    lastExhibition_ = last;
    if (!keeper_) {
        return;
    }
    if (last.origin == ExhibitionOrigin::Built) {
        keeper_->Built(last.folder);
    } else {
        keeper_->Reloaded(last.folder);
    }
    StartFlushTimer();
}

void MainDialogModel::StartFlushTimer() {
    if (!keeper_ || !flushTimer_) {
        return;
    }
    if (const std::optional<std::chrono::milliseconds> delay = keeper_->FlushDelay()) {
        flushTimer_(*delay);
    }
}

} // namespace lumo
