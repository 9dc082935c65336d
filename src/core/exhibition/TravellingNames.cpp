#include "exhibition/TravellingNames.h"

#include "exhibition/DataPathPlan.h"
#include "platform/FileSystem.h"
#include "platform/PathParts.h"
#include "platform/WindowsNames.h"

#include <map>
#include <set>

namespace lumo {

namespace {

bool IsStep(const std::string& name) {
    return name == "." || name == "..";
}

// The files copied into each data folder of the entry, by the folder's name on Windows;
// two data paths naming folders of one name fill one folder.
using FolderContents = std::map<std::u16string, std::vector<std::string>>;

// Within one data folder, a file whose name Windows takes for an earlier one's replaces
// it: the earlier one is lost, the later one survives. Files of one name come from two
// folders merged into one, which is reported for the folders.
void CheckCaseCollisions(const std::vector<std::string>& files, std::size_t index,
                         ProblemList& problems) {
    std::map<std::u16string, const std::string*> byKey;
    for (const std::string& file : files) {
        const std::string name = FileNamePart(file);
        const auto [at, fresh] = byKey.try_emplace(WindowsNameKey(name), &file);
        if (!fresh && FileNamePart(*at->second) != name) {
            problems.push_back({index, ProblemKind::NameCollision, *at->second, file});
        }
        at->second = &file;
    }
}

} // namespace


void CheckTravellingNames(const ExhibitionEntry& entry, const std::vector<std::string>& dataPaths,
                          std::size_t index, ProblemList& problems) {
    const auto check = [&](const std::string& source) {
        if (WindowsRefusesName(LastName(source))) {
            problems.push_back({index, ProblemKind::WindowsName, source, {}});
        }
    };
    for (const std::string* source :
         {&entry.documentPath, &entry.thumbnailPath, &entry.descriptionPath}) {
        check(*source);
    }
    FolderContents folders;
    std::set<std::string> listed;
    for (const std::string& path : dataPaths) {
        if (HasControlCharacter(path) || IsStep(LastName(path))) {
            continue;
        }
        check(path);
        if (ExtensionOf(path).empty() && IsFolder(path) &&
            listed.insert(WithoutTrailingSeparators(path)).second) {
            std::vector<std::string>& files = folders[WindowsNameKey(LastName(path))];
            for (DataCopy& copy : PlanDataPath(path).copies) {
                check(copy.source);
                files.push_back(std::move(copy.source));
            }
        }
    }
    for (const auto& folder : folders) {
        CheckCaseCollisions(folder.second, index, problems);
    }
}

} // namespace lumo
