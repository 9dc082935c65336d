#include "exhibition/EntryCheck.h"

#include "entry/EntryNumber.h"
#include "exhibition/EntryPlan.h"
#include "exhibition/TravellingNames.h"
#include "exhibition/ViewerCheck.h"
#include "platform/FileSystem.h"
#include "platform/PagingImages.h"
#include "platform/PathParts.h"
#include "platform/WindowsNames.h"
#include "source/SourceSurvey.h"

namespace lumo {

namespace {

class Checker {
public:
    explicit Checker(ProblemList& problems) : problems_(problems) {}

    void setEntry(std::optional<std::size_t> entry) { entry_ = entry; }

    void add(ProblemKind kind, const std::string& path, const std::string& detail = {}) {
        problems_.push_back({entry_, kind, path, detail});
    }

    void addAll(const ProblemList& problems) {
        problems_.insert(problems_.end(), problems.begin(), problems.end());
    }

    // A file the build copies: missing, or there but not a readable regular file.
    void file(const std::string& path, ProblemKind missing) {
        const DataPathKind kind = ClassifyPath(path);
        if (kind == DataPathKind::Missing) {
            add(missing, path);
        } else if (kind != DataPathKind::File) {
            add(ProblemKind::Unreadable, path);
        }
    }

    // What the plan of a data path fails on or leaves out.
    void dataPath(const DataPathPlan& plan, const std::string& path) {
        switch (plan.kind) {
        case DataPathKind::File:
            break;
        case DataPathKind::Missing:
            add(ProblemKind::MissingDataFile, path);
            break;
        case DataPathKind::FolderListing:
            add(ProblemKind::MissingDataFolder, path);
            break;
        case DataPathKind::UnusableName:
            add(ProblemKind::UnusableName, path);
            break;
        case DataPathKind::Unreadable:
        case DataPathKind::Special:
            add(ProblemKind::Unreadable, path);
            break;
        case DataPathKind::Folder:
            for (const LeftOut& left : plan.leftOut) {
                add(left.kind == DataPathKind::Folder ? ProblemKind::DataSubfolder
                                                      : ProblemKind::Unreadable,
                    left.path);
            }
            for (const DataCopy& copy : plan.copies) {
                if (!copy.readable) {
                    add(ProblemKind::Unreadable, copy.source);
                }
            }
            break;
        }
    }

private:
    ProblemList& problems_;
    std::optional<std::size_t> entry_;
};

// A path value whose copy lands flat in the entry folder while the exhibition refers to
// it with its folder part: one with a separator or a drive before its last component.
bool HasFolderPart(std::string value) {
    while (!value.empty() && (value.back() == '\\' || value.back() == '/')) {
        value.pop_back();
    }
    return value.find_first_of("\\/:") != std::string::npos;
}

void CheckEntry(Checker& checker, const ExhibitionEntry& entry, std::size_t index,
                std::vector<std::string>& dataPaths) {
    const SourceSurvey survey = SurveySource(entry.documentPath, index);
    if (!survey.readable) {
        checker.file(entry.documentPath, ProblemKind::MissingDocument);
    } else {
        // The exhibition declares the data elements of the written reading, copies the
        // files of the collected one; whichever drops elements, the larger count tells.
        const ElementTally& dataTally = survey.writtenData.count >= survey.collectedData.count
                                            ? survey.writtenData
                                            : survey.collectedData;
        if (dataTally.overLimit()) {
            checker.add(ProblemKind::TooManyDataElements, entry.documentPath,
                        std::to_string(dataTally.count) + ": " + dataTally.firstDropped);
        }
        if (survey.drawGroups.overLimit()) {
            checker.add(ProblemKind::TooManyDrawGroups, entry.documentPath,
                        std::to_string(survey.drawGroups.count) + ": " +
                            survey.drawGroups.firstDropped);
        }
        if (survey.markedGroupCount != 1) {
            checker.add(survey.markedGroupCount == 0 ? ProblemKind::NoTopGroup
                                                     : ProblemKind::SeveralTopGroups,
                        entry.documentPath, survey.topGroup);
        }
    }
    checker.file(entry.thumbnailPath, ProblemKind::MissingThumbnail);
    checker.file(entry.descriptionPath, ProblemKind::MissingDescription);

    const DataReferences& data = survey.data;
    const EntryPlan plan = PlanEntry(entry, data.paths);
    for (std::size_t k = 0; k < data.paths.size(); ++k) {
        // A name that cannot be made is not copied at all, flat or otherwise.
        if (plan.dataPaths[k].kind != DataPathKind::UnusableName && HasFolderPart(data.values[k])) {
            checker.add(ProblemKind::FolderReference, data.paths[k], data.values[k]);
        }
        const std::string name = LastName(data.paths[k]);
        if (name == "." || name == "..") {
            // Staging refuses it; told apart from the other unusable names.
            checker.add(ProblemKind::DotDataPath, data.paths[k], data.values[k]);
            continue;
        }
        checker.dataPath(plan.dataPaths[k], data.paths[k]);
    }
    for (const NameCollision& collision : plan.collisions) {
        checker.add(ProblemKind::NameCollision, collision.path, collision.survivor);
    }
    checker.addAll(CheckForTheViewer(entry, survey, index));
    dataPaths = data.paths;
}

} // namespace

EntryCheck CheckEntries(const EntryList& entries, const std::string& resourceFolder) {
    EntryCheck check;
    check.dataPaths.resize(entries.size());
    Checker checker(check.problems);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        checker.setEntry(i);
        CheckEntry(checker, entries[i], i, check.dataPaths[i]);
    }
    checker.setEntry(std::nullopt);
    const std::string folder = WithTrailingSeparator(resourceFolder);
    for (const char* name : kPagingImages) {
        checker.file(folder + name, ProblemKind::MissingPagingImage);
    }
    return check;
}

std::string FirstExistingEntryFolder(const std::string& exhibitionFolder, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        if (PathExists(exhibitionFolder + EntryNumber(i))) {
            return EntryNumber(i);
        }
    }
    return {};
}

} // namespace lumo
