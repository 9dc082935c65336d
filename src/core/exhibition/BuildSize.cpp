#include "exhibition/BuildSize.h"

#include "platform/FileSystem.h"
#include "platform/PagingImages.h"
#include "platform/PathParts.h"

namespace lumo {

std::uint64_t PlannedBytes(const EntryList& entries, const std::vector<EntryPlan>& plans,
                           const std::string& resourceFolder) {
    std::uint64_t total = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const ExhibitionEntry& entry = entries[i];
        total += FileSize(entry.documentPath) + FileSize(entry.thumbnailPath) +
                 FileSize(entry.descriptionPath);
        if (i >= plans.size()) {
            continue;
        }
        for (const DataPathPlan& data : plans[i].dataPaths) {
            if (data.refused || data.placement == Placement::Skipped) {
                continue;
            }
            for (const DataCopy& copy : data.copies) {
                total += FileSize(copy.source);
            }
        }
    }
    for (const char* name : kPagingImages) {
        total += FileSize(WithTrailingSeparator(resourceFolder) + name);
    }
    return total;
}

} // namespace lumo
