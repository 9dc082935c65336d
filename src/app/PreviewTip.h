#pragma once

#include "ImagePreviews.h"

#include <QFrame>
#include <QList>
#include <QString>

class QPoint;

namespace lumo::qt {

// A tooltip window that shows image previews side by side, each with its pixel size
// below it, under a line of text (the path the previews belong to).
class PreviewTip final : public QFrame {
    Q_OBJECT
public:
    explicit PreviewTip(QWidget* parent);

    void showPreviews(const QString& title, const QList<ImagePreview>& previews,
                      const QPoint& globalPos);
};

} // namespace lumo::qt
