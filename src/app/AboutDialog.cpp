#include "AboutDialog.h"

#include "DialogFont.h"
#include "DialogUnits.h"
#include "model/AboutBox.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

namespace lumo::qt {

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setWindowTitle(QStringLiteral(IDD_ABOUTBOX_CAPTION));
    setFont(DialogFont(IDD_ABOUTBOX_FONT_POINTS));
    const DialogUnits units(font());

    auto* icon = new QLabel(this);
    icon->setGeometry(units.rect({IDC_ABOUT_ICON_RECT}));
    const QRect iconRect = icon->geometry();
    icon->setPixmap(
        QApplication::windowIcon().pixmap(std::min(iconRect.width(), iconRect.height())));

    auto* name = new QLabel(QString::fromStdString(AboutVersionLine()), this);
    name->setObjectName(QString::number(IDC_ABOUT_VERSION));
    name->setGeometry(units.rect({IDC_ABOUT_VERSION_RECT}));

    auto* ok = new QPushButton(QStringLiteral(IDC_ABOUT_OK_CAPTION), this);
    ok->setObjectName(QString::number(IDC_ABOUT_OK));
    ok->setGeometry(units.rect({IDC_ABOUT_OK_RECT}));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    const QRect size = units.rect(kAboutBoxRect);
    setFixedSize(size.width(), size.height());
}

} // namespace lumo::qt
