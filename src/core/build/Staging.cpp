#include "build/Staging.h"

namespace lumo {

void StageEntries(const EntryList& entries, const std::string&, EntryList& staged, IMessageBox&,
                  const StagingObserver&) {
    staged = entries;
}

void CopyFolderFiles(const std::string&, const std::string&, IMessageBox&, const StagingObserver&) {
}

std::vector<std::string> ListFolder(const std::string&) {
    return {};
}

} // namespace lumo
