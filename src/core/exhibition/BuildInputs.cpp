#include "exhibition/BuildInputs.h"

namespace lumo {

namespace {

void Add(std::set<FileIdentity>& inputs, const std::string& path) {
    if (const std::optional<FileIdentity> identity = IdentityOf(path)) {
        inputs.insert(*identity);
    }
}

} // namespace

std::set<FileIdentity> InputIdentities(const EntryList& entries,
                                       const std::vector<EntryPlan>& plans) {
    std::set<FileIdentity> inputs;
    for (const ExhibitionEntry& entry : entries) {
        for (const std::string* path :
             {&entry.documentPath, &entry.thumbnailPath, &entry.descriptionPath}) {
            Add(inputs, *path);
        }
    }
    for (const EntryPlan& plan : plans) {
        for (const DataPathPlan& data : plan.dataPaths) {
            for (const DataCopy& copy : data.copies) {
                Add(inputs, copy.source);
            }
        }
    }
    return inputs;
}

} // namespace lumo
