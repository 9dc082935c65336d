#pragma once

#include "model/PreviewCache.h"

#include <QImage>
#include <QSize>
#include <QString>

namespace lumo::qt {

// An image scaled down to preview size, with the pixel size of the file it came from;
// a null image when the file could not be decoded.
struct ImagePreview {
    QImage image;
    QSize originalSize;
};

// Scaled previews of image files, decoded at the reduced size (a 50-megapixel JPEG is
// never decoded whole) and kept in a small cache so that hovering again costs nothing.
// A file that changed on disk is decoded anew.
class ImagePreviews {
public:
    static constexpr int kMaxSide = kPreviewSide;

    ImagePreviews();

    ImagePreview preview(const QString& path);

private:
    PreviewCache<ImagePreview> cache_;
};

} // namespace lumo::qt
