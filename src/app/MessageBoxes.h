#pragma once

#include "platform/MessageBox.h"

#include <QPointer>
#include <QWidget>

namespace lumo::qt {

// Modal message boxes over the dialog that owns them, titled with the application's name.
class MessageBoxes final : public IMessageBox {
public:
    void setOwner(QWidget* owner) { owner_ = owner; }

    void tell(MessageKind kind, const std::string& text) override;
    bool question(const std::string& summary, const std::string& details) override;

private:
    QPointer<QWidget> owner_;
};

} // namespace lumo::qt
