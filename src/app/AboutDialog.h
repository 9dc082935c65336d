#pragma once

#include <QDialog>

namespace lumo::qt {

// The About box: the application's icon, name and version, and an OK button.
class AboutDialog final : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

} // namespace lumo::qt
