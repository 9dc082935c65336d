#include "exhibition/DroppedFile.h"

#include "exhibition/DocumentFile.h"
#include "platform/FileSystem.h"
#include "platform/ImageProbe.h"
#include "platform/PathParts.h"

namespace lumo {

std::optional<EntryField> ClassifyDroppedFile(ExhibitionEntry& entry, const std::string& path) {
    if (IsFolder(path)) {
        return std::nullopt;
    }
    if (LowerAscii(ExtensionOf(path)) == ".tsd") {
        entry.documentPath = path;
        return EntryField::Document;
    }
    const ProbeResult image = ProbeImageSize(path);
    if (image.outcome != ProbeOutcome::Sized) {
        return std::nullopt;
    }
    if (image.height > image.width) {
        entry.descriptionPath = path;
        return EntryField::Description;
    }
    entry.thumbnailPath = path;
    return EntryField::Thumbnail;
}

bool IsBuiltExhibition(const std::string& path) {
    return FileNamePart(path) == kExhibitionDocumentName;
}

} // namespace lumo
