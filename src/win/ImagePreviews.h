#pragma once

#include "model/PreviewCache.h"
#include "platform/win/ScaledImage.h"

#include <string>

namespace lumo::win {

// Scaled previews of image files, decoded at the reduced size and kept in a small cache
// so that hovering again costs nothing. A file that changed on disk is decoded anew; a
// missing or undecodable one gives an image without pixels.
class ImagePreviews {
public:
    ImagePreviews();

    ScaledImage preview(const std::string& path);

private:
    PreviewCache<ScaledImage> cache_;
};

} // namespace lumo::win
