#pragma once

#include "model/DialogControls.h"

namespace lumo::cli {

// Controls without a screen. The list box is reduced to its item count and highlight,
// so that the dialog's logic, which reads the highlight back, behaves as in the window.
class SilentControls final : public IDialogControls {
public:
    void setFieldText(Field, const std::string&) override {}
    void clearList() override {
        itemCount_ = 0;
        highlighted_ = -1;
    }
    void appendListItem(const std::string&) override { ++itemCount_; }
    void selectListItem(int index) override {
        highlighted_ = (index >= 0 && index < itemCount_) ? index : -1;
    }
    int selectedListItem() const override { return highlighted_; }
    // There is no mouse: only keyboard-style selection changes load an entry.
    bool cursorInListItem(int) const override { return false; }

private:
    int itemCount_ = 0;
    int highlighted_ = -1;
};

} // namespace lumo::cli
