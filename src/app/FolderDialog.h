#pragma once

#include "platform/FolderChooser.h"

#include <QPointer>
#include <QWidget>

namespace lumo::qt {

// The exhibition folder through the desktop's folder dialog, over the dialog that owns it.
class FolderDialog final : public IFolderChooser {
public:
    void setOwner(QWidget* owner) { owner_ = owner; }

    std::string chooseFolder(const std::string& startPath) override;

private:
    QPointer<QWidget> owner_;
};

} // namespace lumo::qt
