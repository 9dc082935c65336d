#include "exhibition/EntryPlan.h"

#include "platform/FileIdentity.h"
#include "platform/PathParts.h"
#include "platform/WindowsNames.h"

#include <map>

namespace lumo {

namespace {

bool SameSource(const std::string& a, const std::string& b) {
    if (a == b) {
        return true;
    }
    const std::optional<FileIdentity> first = IdentityOf(a);
    return first && first == IdentityOf(b);
}

// The name a source gets in the entry folder, compared as Windows compares names (letter
// case aside, across all of Unicode), since exhibitions are opened there.
std::u16string NameKey(const std::string& name) {
    return WindowsNameKey(WithoutTrailingSeparators(name));
}

struct Holder {
    std::string source;
    bool folder;
    // The folder's name as made, which a later folder of the same name fills.
    std::string name;
    // The item's own scene document or image, which no data file replaces.
    bool own = false;
};

class NameTable {
public:
    explicit NameTable(std::vector<NameCollision>& collisions) : collisions_(collisions) {}

    Placement take(const std::string& source, const std::string& name, bool folder,
                   bool own = false) {
        const auto [at, fresh] =
            byName_.try_emplace(NameKey(name), Holder{source, folder, name, own});
        if (fresh) {
            return Placement::Own;
        }
        Holder& holder = at->second;
        const bool same = SameSource(holder.source, source);
        if (holder.folder != folder || (holder.own && !same)) {
            if (!same) {
                collisions_.push_back({source, holder.source});
            }
            return Placement::Skipped;
        }
        if (!same) {
            collisions_.push_back({holder.source, source});
            holder.source = source;
        }
        return Placement::Shared;
    }

    const std::string& madeName(const std::string& name) const {
        return byName_.at(NameKey(name)).name;
    }

private:
    std::vector<NameCollision>& collisions_;
    std::map<std::u16string, Holder> byName_;
};

// A folder merged into one made under another spelling copies into that one.
void RetargetInto(DataPathPlan& plan, const std::string& madeName) {
    const std::string own = WithTrailingSeparator(plan.name);
    const std::string made = WithTrailingSeparator(madeName);
    for (DataCopy& copy : plan.copies) {
        copy.target = made + copy.target.substr(own.size());
    }
}

} // namespace

EntryPlan PlanEntry(const ExhibitionEntry& entry, const std::vector<std::string>& dataPaths) {
    EntryPlan plan;
    NameTable names(plan.collisions);
    for (const std::string* file :
         {&entry.documentPath, &entry.thumbnailPath, &entry.descriptionPath}) {
        names.take(*file, FileNamePart(*file), false, true);
    }
    for (const std::string& path : dataPaths) {
        DataPathPlan data = PlanDataPath(path);
        if (!data.refused) {
            data.placement = names.take(path, data.name, data.folderStep);
            if (data.placement == Placement::Shared && data.kind == DataPathKind::Folder) {
                RetargetInto(data, names.madeName(data.name));
            } else if (data.placement == Placement::Shared && !data.folderStep) {
                // A file replacing one of another spelling replaces it under that spelling,
                // as on Windows, whatever the system staging runs on.
                for (DataCopy& copy : data.copies) {
                    copy.target = names.madeName(data.name);
                }
            }
        }
        plan.dataPaths.push_back(std::move(data));
    }
    return plan;
}

} // namespace lumo
