#pragma once

#include <QDialog>

namespace lumo {

// The About box: the application's icon, name and version, and an OK button.
class CAboutDlg final : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

} // namespace lumo
