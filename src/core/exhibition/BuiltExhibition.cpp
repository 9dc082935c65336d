#include "exhibition/BuiltExhibition.h"

#include "entry/EntryNumber.h"
#include "exhibition/DroppedFile.h"
#include "exhibition/EntryLimits.h"
#include "platform/FileSystem.h"
#include "platform/ListFolder.h"
#include "platform/PathParts.h"

namespace lumo {

EntryList ReadBuiltExhibition(const std::string& documentPath, ExhibitionEntry accumulator) {
    const std::string folder = FolderPart(documentPath);
    EntryList entries;
    for (std::size_t i = 0; i < kMaxReloadedEntries; ++i) {
        const std::string candidate = folder + EntryNumber(i);
        if (!PathExists(candidate)) {
            break;
        }
        for (const std::string& listed : ListFolder(candidate + kNativeSeparator + "*")) {
            ClassifyDroppedFile(accumulator, listed);
        }
        entries.push_back(accumulator);
    }
    return entries;
}

} // namespace lumo
