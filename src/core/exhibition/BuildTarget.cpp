#include "exhibition/BuildTarget.h"

#include "exhibition/BuildInputs.h"
#include "exhibition/DocumentFile.h"
#include "exhibition/ExhibitionNames.h"
#include "exhibition/TravellingNames.h"
#include "platform/FileIdentity.h"
#include "platform/FileSystem.h"
#include "platform/PathParts.h"

#include <map>

namespace lumo {

namespace {

// The folder holding an entry's file when it is an entry folder of a built exhibition.
std::string EntryFolderOf(const std::string& file) {
    const std::string folder = WithoutTrailingSeparators(FolderPart(file));
    const std::string name = FileNamePart(folder);
    if (folder.empty() || name == kExhibitionDocumentName || !IsExhibitionName(name) ||
        !IsRegularFile(FolderPart(folder) + kExhibitionDocumentName)) {
        return {};
    }
    return folder;
}

// The folders the build copies from as a whole, by identity, with a path of each.
std::map<FileIdentity, std::string> SourceFolders(const EntryList& entries,
                                                  const std::vector<EntryPlan>& plans) {
    std::map<FileIdentity, std::string> folders;
    const auto add = [&folders](const std::string& path) {
        if (const std::optional<FileIdentity> identity = IdentityOf(path)) {
            folders.emplace(*identity, path);
        }
    };
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const ExhibitionEntry& entry = entries[i];
        for (const std::string* file :
             {&entry.documentPath, &entry.thumbnailPath, &entry.descriptionPath}) {
            if (const std::string folder = EntryFolderOf(*file); !folder.empty()) {
                add(folder);
            }
        }
        for (std::size_t k = 0; i < plans.size() && k < plans[i].dataPaths.size(); ++k) {
            if (plans[i].dataPaths[k].kind == DataPathKind::Folder && k < entry.dataPaths.size()) {
                add(entry.dataPaths[k]);
            }
        }
    }
    return folders;
}

} // namespace

bool IsBlocking(const EntryProblem& problem, const EntryList& entries) {
    switch (problem.kind) {
    case ProblemKind::MissingDocument:
    case ProblemKind::MissingThumbnail:
    case ProblemKind::MissingDescription:
    case ProblemKind::MissingPagingImage:
        return true;
    case ProblemKind::Unreadable:
        if (problem.entry && *problem.entry < entries.size()) {
            const ExhibitionEntry& entry = entries[*problem.entry];
            return problem.path == entry.documentPath || problem.path == entry.thumbnailPath ||
                   problem.path == entry.descriptionPath;
        }
        return !problem.entry.has_value();
    default:
        return false;
    }
}

std::string InputFolderConflict(const std::string& folder, const EntryList& entries,
                                const std::vector<EntryPlan>& plans) {
    const std::string document = WithTrailingSeparator(folder) + kExhibitionDocumentName;
    if (const std::optional<FileIdentity> identity = IdentityOf(document);
        identity && InputIdentities(entries, plans).count(*identity) > 0) {
        return document;
    }
    const std::map<FileIdentity, std::string> sources = SourceFolders(entries, plans);
    // Up from the chosen folder to the root, each folder compared by identity.
    std::string at = WithoutTrailingSeparators(folder);
    while (!at.empty()) {
        if (const std::optional<FileIdentity> identity = IdentityOf(at)) {
            if (const auto found = sources.find(*identity); found != sources.end()) {
                return found->second;
            }
        }
        const std::string parent = WithoutTrailingSeparators(FolderPart(at));
        if (parent == at) {
            break;
        }
        at = parent;
    }
    return {};
}

} // namespace lumo
