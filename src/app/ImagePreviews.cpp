#include "ImagePreviews.h"

#include <QDateTime>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>
#include <utility>

namespace lumo::qt {

namespace {

PreviewKey CacheKey(const QFileInfo& file) {
    return {file.absoluteFilePath().toStdString(), file.lastModified().toMSecsSinceEpoch(),
            static_cast<std::uint64_t>(file.size())};
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

ImagePreviews::ImagePreviews() : cache_(kPreviewCacheBytes) {}

ImagePreview ImagePreviews::preview(const QString& path) {
    const QFileInfo file(path);
    if (!file.isFile()) {
        return {};
    }
    PreviewKey key = CacheKey(file);
    if (const ImagePreview* cached = cache_.Find(key)) {
        return *cached;
    }
    ImagePreview decoded = Decode(path);
    const auto bytes =
        std::max<std::size_t>(static_cast<std::size_t>(decoded.image.sizeInBytes()), 1);
    cache_.Insert(std::move(key), decoded, bytes);
    return decoded;
}

} // namespace lumo::qt
