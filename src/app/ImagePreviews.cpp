#include "ImagePreviews.h"

#include <QDateTime>
#include <QFileInfo>
#include <QImageReader>

namespace lumo::qt {

namespace {

// About thirty previews at full size.
constexpr qsizetype kCacheBytes = 8 * 1024 * 1024;

QString CacheKey(const QFileInfo& file) {
    return file.absoluteFilePath() + QLatin1Char('\n') +
           QString::number(file.lastModified().toMSecsSinceEpoch()) + QLatin1Char('\n') +
           QString::number(file.size());
}

ImagePreview Decode(const QString& path) {
    QImageReader reader(path);
    ImagePreview preview;
    preview.originalSize = reader.size();
    if (preview.originalSize.isValid()) {
        const QSize bound(ImagePreviews::kMaxSide, ImagePreviews::kMaxSide);
        QSize scaled = preview.originalSize;
        if (scaled.width() > bound.width() || scaled.height() > bound.height()) {
            scaled.scale(bound, Qt::KeepAspectRatio);
        }
        // JPEG decoders scale while decoding; other formats are scaled after.
        reader.setScaledSize(scaled.expandedTo(QSize(1, 1)));
    }
    preview.image = reader.read();
    return preview;
}

} // namespace

ImagePreviews::ImagePreviews() : cache_(kCacheBytes) {}

ImagePreview ImagePreviews::preview(const QString& path) {
    const QFileInfo file(path);
    if (!file.isFile()) {
        return {};
    }
    const QString key = CacheKey(file);
    if (const ImagePreview* cached = cache_.object(key)) {
        return *cached;
    }
    ImagePreview decoded = Decode(path);
    const qsizetype cost = std::max<qsizetype>(decoded.image.sizeInBytes(), 1);
    cache_.insert(key, new ImagePreview(decoded), cost);
    return decoded;
}

} // namespace lumo::qt
