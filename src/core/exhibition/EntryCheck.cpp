#include "exhibition/EntryCheck.h"

#include "entry/EntryNumber.h"
#include "exhibition/TravellingNames.h"
#include "exhibition/ViewerCheck.h"
#include "platform/FileIdentity.h"
#include "platform/FileSystem.h"
#include "platform/PathParts.h"
#include "platform/WindowsNames.h"
#include "source/SourceSurvey.h"

#include <map>

namespace lumo {

namespace {

const char* const kPagingImages[] = {"up.jpg", "down.jpg"};

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
        if (!PathExists(path)) {
            add(missing, path);
        } else if (!IsRegularFile(path) || !IsReadable(path)) {
            add(ProblemKind::Unreadable, path);
        }
    }

    // A data path without a file extension that names no file goes through the data
    // folder steps: it must be a readable folder, its sub-folders are not copied, and a
    // file in it that cannot be read ends the copy of the rest.
    void folder(const std::string& path) {
        if (!PathExists(path)) {
            add(ProblemKind::MissingDataFolder, path);
            return;
        }
        if (!IsFolder(path) || !IsReadable(path)) {
            add(ProblemKind::Unreadable, path);
            return;
        }
        const std::string inside = WithTrailingSeparator(path);
        for (const std::string& name : FolderEntryNames(path)) {
            const std::string entry = inside + name;
            if (name == "." || name == "..") {
                continue;
            }
            if (IsFolder(entry)) {
                add(ProblemKind::DataSubfolder, entry);
            } else if (!IsRegularFile(entry) || !IsReadable(entry)) {
                add(ProblemKind::Unreadable, entry);
            }
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

bool SameSource(const std::string& a, const std::string& b) {
    if (a == b) {
        return true;
    }
    const std::optional<FileIdentity> first = IdentityOf(a);
    return first && first == IdentityOf(b);
}

// The name a source gets in the entry folder, compared as Windows compares names since
// exhibitions are opened there.
std::u16string TargetKey(const std::string& source) {
    return WindowsNameKey(LastName(source));
}

// Sources in the order staging copies them; a later file replaces an earlier one of the
// same name. A file and a folder of one name cannot both be made, so the first stays;
// two folders are merged, the later one's files replacing the earlier one's.
void CheckCollisions(Checker& checker, const ExhibitionEntry& entry,
                     const std::vector<std::string>& dataPaths) {
    struct Target {
        std::string source;
        bool folder;
    };
    std::vector<Target> targets = {
        {entry.documentPath, false}, {entry.thumbnailPath, false}, {entry.descriptionPath, false}};
    for (const std::string& path : dataPaths) {
        targets.push_back({path, ExtensionOf(path).empty() && !IsRegularFile(path)});
    }
    std::map<std::u16string, Target> byName;
    for (const Target& target : targets) {
        const auto [at, fresh] = byName.try_emplace(TargetKey(target.source), target);
        if (fresh || SameSource(at->second.source, target.source)) {
            continue;
        }
        const bool laterWins = at->second.folder == target.folder;
        checker.add(ProblemKind::NameCollision, laterWins ? at->second.source : target.source,
                    laterWins ? target.source : at->second.source);
        if (laterWins) {
            at->second = target;
        }
    }
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
    for (std::size_t k = 0; k < data.paths.size(); ++k) {
        const std::string& path = data.paths[k];
        const std::string name = LastName(path);
        if (name == "." || name == "..") {
            checker.add(ProblemKind::DotDataPath, path, data.values[k]);
            continue;
        }
        if (HasFolderPart(data.values[k])) {
            checker.add(ProblemKind::FolderReference, path, data.values[k]);
        }
        if (HasControlCharacter(path)) {
            // Staging refuses it, whatever the system finds under a part of the name.
            checker.add(ProblemKind::Unreadable, path);
        } else if (!ExtensionOf(path).empty() || IsRegularFile(path)) {
            checker.file(path, ProblemKind::MissingDataFile);
        } else {
            checker.folder(path);
        }
    }
    CheckCollisions(checker, entry, data.paths);
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
