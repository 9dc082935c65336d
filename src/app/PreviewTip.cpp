#include "PreviewTip.h"

#include "ScreenPlacement.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPoint>
#include <QVBoxLayout>

namespace lumo::qt {

namespace {

QWidget* PreviewCell(const ImagePreview& preview, QWidget* parent) {
    auto* cell = new QWidget(parent);
    auto* layout = new QVBoxLayout(cell);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* picture = new QLabel(cell);
    picture->setAlignment(Qt::AlignCenter);
    picture->setMinimumSize(ImagePreviews::kMaxSide, ImagePreviews::kMaxSide);
    auto* caption = new QLabel(cell);
    caption->setAlignment(Qt::AlignCenter);
    if (preview.image.isNull()) {
        picture->setText(QString::fromUtf8(kUnreadablePreview));
    } else {
        picture->setPixmap(QPixmap::fromImage(preview.image));
        caption->setText(QStringLiteral("%1 × %2")
                             .arg(preview.originalSize.width())
                             .arg(preview.originalSize.height()));
    }
    layout->addWidget(picture);
    layout->addWidget(caption);
    return cell;
}

} // namespace

PreviewTip::PreviewTip(QWidget* parent) : QFrame(parent, Qt::ToolTip) {
    setFrameShape(QFrame::Box);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PreviewTip::showPreviews(const QString& title, const QList<ImagePreview>& previews,
                              const QPoint& globalPos) {
    // The content is made anew for every showing; a previous one goes with its layout.
    qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
    delete layout();

    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(title, this);
    heading->setTextFormat(Qt::PlainText);
    layout->addWidget(heading);
    auto* row = new QHBoxLayout;
    for (const ImagePreview& preview : previews) {
        row->addWidget(PreviewCell(preview, this));
    }
    layout->addLayout(row);
    adjustSize();
    move(PopupBesideCursor(size(), globalPos));
    show();
}

} // namespace lumo::qt
