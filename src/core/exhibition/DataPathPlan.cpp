#include "exhibition/DataPathPlan.h"

#include "exhibition/SafeTarget.h"
#include "platform/FileSystem.h"
#include "platform/ListFolder.h"
#include "platform/PathParts.h"

namespace lumo {

namespace {

// Whether a name joined to any folder names something strictly inside it; the current
// folder stands in for the entry folder, which does not exist yet.
bool FitsInFolder(const std::string& name) {
    const std::string folder = WithTrailingSeparator(CurrentFolder());
    return LiesInside(folder + name, folder);
}

// The files matching pattern become copies to targetPrefix followed by their names;
// folders and special files are left out.
void AddListing(DataPathPlan& plan, const std::string& pattern, const std::string& targetPrefix) {
    for (const std::string& path : ListFolder(pattern)) {
        const std::string name = FileNamePart(path);
        if (name == "." || name == "..") {
            continue;
        }
        const DataPathKind kind = IsFolder(path) ? DataPathKind::Folder : ClassifyPath(path);
        if (kind == DataPathKind::Folder || kind == DataPathKind::Special) {
            plan.leftOut.push_back({path, kind});
        } else {
            plan.copies.push_back({path, targetPrefix + name, kind == DataPathKind::File});
        }
    }
}

} // namespace

DataPathKind ClassifyPath(const std::string& path) {
    if (HasControlCharacter(path)) {
        return DataPathKind::Unreadable;
    }
    if (!PathExists(path)) {
        return DataPathKind::Missing;
    }
    if (IsFolder(path)) {
        return IsReadable(path) ? DataPathKind::Folder : DataPathKind::Unreadable;
    }
    if (IsRegularFile(path)) {
        return IsReadable(path) ? DataPathKind::File : DataPathKind::Unreadable;
    }
    // Neither file nor folder: a special file, or a link to nothing.
    return IsSpecialFile(path) ? DataPathKind::Special : DataPathKind::Unreadable;
}

DataPathPlan PlanDataPath(const std::string& path) {
    DataPathPlan plan;
    plan.name = FileNamePart(path);
    plan.kind = ClassifyPath(path);
    const bool opened = !HasControlCharacter(path);
    const bool folder = opened && IsFolder(path);
    // A path without extension is a data folder unless it names something that is not one.
    plan.folderStep =
        ExtensionOf(path).empty() && (!opened || folder || plan.kind == DataPathKind::Missing);

    if (opened && !FitsInFolder(plan.name)) {
        plan.kind = DataPathKind::UnusableName;
    }
    if (!opened || plan.kind == DataPathKind::UnusableName) {
        plan.refused = true;
        return plan;
    }
    if (plan.folderStep) {
        if (plan.kind == DataPathKind::Missing) {
            plan.kind = DataPathKind::FolderListing;
            AddListing(plan, path + "*", plan.name);
        } else if (plan.kind == DataPathKind::Folder) {
            AddListing(plan, WithTrailingSeparator(path) + "*", WithTrailingSeparator(plan.name));
        }
        // A folder that cannot be listed is made empty.
        return plan;
    }
    if (plan.kind == DataPathKind::File || (plan.kind == DataPathKind::Unreadable && !folder)) {
        plan.copies.push_back({path, plan.name, plan.kind == DataPathKind::File});
        return plan;
    }
    // Missing, special, or a folder named like a file.
    if (folder) {
        plan.kind = DataPathKind::Unreadable;
    }
    plan.refused = true;
    return plan;
}

} // namespace lumo
