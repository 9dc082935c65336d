#include "exhibition/BuildInputs.h"

#include "platform/FileSystem.h"
#include "platform/ListFolder.h"
#include "platform/PathParts.h"

namespace lumo {

namespace {

void Add(std::set<FileIdentity>& inputs, const std::string& path) {
    if (const std::optional<FileIdentity> identity = IdentityOf(path)) {
        inputs.insert(*identity);
    }
}

} // namespace

std::set<FileIdentity> InputIdentities(const EntryList& entries) {
    std::set<FileIdentity> inputs;
    for (const ExhibitionEntry& entry : entries) {
        for (const std::string* path :
             {&entry.documentPath, &entry.thumbnailPath, &entry.descriptionPath}) {
            Add(inputs, *path);
        }
        for (const std::string& path : entry.dataPaths) {
            if (IsRegularFile(path)) {
                Add(inputs, path);
                continue;
            }
            // What the data folder steps list: a folder's contents, or the entries whose
            // names begin with the path's last component.
            const std::string pattern = (IsFolder(path) ? WithTrailingSeparator(path) : path) + "*";
            for (const std::string& listed : ListFolder(pattern)) {
                if (IsRegularFile(listed)) {
                    Add(inputs, listed);
                }
            }
        }
    }
    return inputs;
}

} // namespace lumo
