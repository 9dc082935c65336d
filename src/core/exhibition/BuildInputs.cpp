#include "exhibition/BuildInputs.h"

#include "exhibition/DataFolder.h"
#include "platform/FileSystem.h"

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
            for (const std::string& file : DataFolderFiles(path)) {
                Add(inputs, file);
            }
        }
    }
    return inputs;
}

} // namespace lumo
