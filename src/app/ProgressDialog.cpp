#include "StagingProgress.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>

namespace lumo {

namespace {

constexpr qint64 kShowAfterMs = 500;

QString StatusText(const StagingStatus& status) {
    const std::size_t shown = status.item < status.itemCount ? status.item + 1 : status.itemCount;
    const QString file = QFileInfo(QString::fromStdString(status.file)).fileName();
    return QStringLiteral("%1 / %2 件目をコピーしています\n%3\n%4 コピー済み")
        .arg(shown)
        .arg(status.itemCount)
        .arg(file, QLocale().formattedDataSize(static_cast<qint64>(status.bytesCopied)));
}

} // namespace

StagingProgress::~StagingProgress() {
    finish();
}

void StagingProgress::report(const StagingStatus& status) {
    if (!clock_.isValid()) {
        clock_.start();
    }
    if (!dialog_ && clock_.elapsed() >= kShowAfterMs) {
        dialog_ = std::make_unique<QProgressDialog>(owner_);
        dialog_->setWindowTitle(QCoreApplication::applicationName());
        dialog_->setCancelButton(nullptr);
        dialog_->setWindowModality(Qt::WindowModal);
        dialog_->setMinimumDuration(0);
        dialog_->setAutoClose(false);
        dialog_->setAutoReset(false);
        dialog_->setMinimumWidth(owner_ ? owner_->width() / 2 : 400);
        dialog_->show();
    }
    if (dialog_) {
        dialog_->setMaximum(static_cast<int>(status.itemCount));
        dialog_->setValue(static_cast<int>(std::min(status.item, status.itemCount)));
        dialog_->setLabelText(StatusText(status));
    }
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void StagingProgress::finish() {
    if (dialog_) {
        dialog_->hide();
        dialog_.reset();
    }
}

} // namespace lumo
