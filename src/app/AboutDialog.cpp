#include "AboutDlg.h"

#include "DialogFont.h"
#include "DialogUnits.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

namespace lumo {

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setWindowTitle(QStringLiteral("バージョン情報 Lumo"));
    setFont(DialogFont(9));
    const DialogUnits units(font());

    auto* icon = new QLabel(this);
    icon->setGeometry(units.rect(14, 14, 21, 20));
    const QRect iconRect = icon->geometry();
    icon->setPixmap(
        QApplication::windowIcon().pixmap(std::min(iconRect.width(), iconRect.height())));

    auto* name =
        new QLabel(QStringLiteral("Lumo バージョン %1").arg(QStringLiteral(LUMO_VERSION)), this);
    name->setGeometry(units.rect(42, 14, 114, 8));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("1"));
    ok->setGeometry(units.rect(113, 41, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    setFixedSize(units.x(170), units.y(62));
}

} // namespace lumo
