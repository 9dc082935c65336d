#include "ProgressDialog.h"

#include "ScreenPlacement.h"

#include <QCoreApplication>
#include <QFontMetrics>

namespace lumo::qt {

namespace {

constexpr int kSteps = 1000;

} // namespace

void ProgressDialog::open() {
    dialog_ = std::make_unique<QProgressDialog>(owner_);
    dialog_->setWindowTitle(QCoreApplication::applicationName());
    dialog_->setCancelButton(nullptr);
    dialog_->setWindowModality(Qt::WindowModal);
    dialog_->setMinimumDuration(0);
    dialog_->setAutoClose(false);
    dialog_->setAutoReset(false);
    dialog_->setRange(0, kSteps);
    dialog_->setMinimumWidth(owner_ ? owner_->width() / 2 : 400);
    // Placed before it shows, so that it never appears where the window system puts
    // windows it knows nothing about (the screen's corner without a window manager).
    if (owner_) {
        dialog_->setLabelText(QStringLiteral("\n\n")); // the three lines update() fills
        dialog_->adjustSize();
        dialog_->move(CentredOver(dialog_->size(), *owner_));
    }
    dialog_->show();
}

// A long path is shortened in the middle, so that its file name stays readable.
void ProgressDialog::update(const ProgressText& text, double fraction) {
    if (!dialog_) {
        return;
    }
    dialog_->setValue(static_cast<int>(fraction * kSteps));
    const QString file = dialog_->fontMetrics().elidedText(
        QString::fromStdString(text.file), Qt::ElideMiddle, dialog_->minimumWidth());
    dialog_->setLabelText(QString::fromStdString(text.item) + QLatin1Char('\n') + file +
                          QLatin1Char('\n') + QString::fromStdString(text.copied));
}

void ProgressDialog::close() {
    if (dialog_) {
        dialog_->hide();
        dialog_.reset();
    }
}

void ProgressDialog::processEvents() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace lumo::qt
