#include "exhibition/BuiltExhibition.h"

#include "entry/EntryNumber.h"
#include "exhibition/BuildRecovery.h"
#include "exhibition/DroppedFile.h"
#include "exhibition/EntryLimits.h"
#include "exhibition/ExhibitionRecords.h"
#include "platform/FileOperations.h"
#include "platform/FileSystem.h"
#include "platform/ListFolder.h"
#include "platform/PathParts.h"

#include <algorithm>

namespace lumo {

namespace {

std::vector<std::string> ListEntryFolder(const std::string& entryFolder) {
    return ListFolder(entryFolder + kNativeSeparator + "*");
}

EntryList ReadEntryFolders(const std::string& folder) {
    EntryList entries;
    for (std::size_t i = 0; i < kMaxReloadedEntries; ++i) {
        const std::string candidate = folder + EntryNumber(i);
        if (!PathExists(candidate)) {
            break;
        }
        ExhibitionEntry entry;
        for (const std::string& listed : ListEntryFolder(candidate)) {
            ClassifyDroppedFile(entry, listed);
        }
        entries.push_back(entry);
    }
    return entries;
}

// The last scene document of the entry folder in listing order that no data element
// named; empty when there is none.
std::string SceneDocument(const std::string& entryFolder, const RecordedEntry& recorded) {
    ExhibitionEntry entry;
    for (const std::string& listed : ListEntryFolder(entryFolder)) {
        if (recorded.dataNames.count(FileNamePart(listed)) == 0 &&
            LowerAscii(ExtensionOf(listed)) == ".tsd") {
            ClassifyDroppedFile(entry, listed);
        }
    }
    return entry.documentPath;
}

// A name the build gives an image it copies into an entry folder; a record naming
// anything else (a path leading out of the folder) supplies nothing.
std::string InEntryFolder(const std::string& prefix, const std::string& name) {
    if (name.empty() || name == "." || name == ".." ||
        std::any_of(name.begin(), name.end(), IsSeparator)) {
        return {};
    }
    return prefix + name;
}

EntryList ReadRecordedEntries(const std::string& folder,
                              const std::vector<RecordedEntry>& recorded) {
    EntryList entries;
    for (std::size_t i = 0; i < recorded.size(); ++i) {
        const std::string entryFolder = folder + EntryNumber(i);
        const std::string prefix = entryFolder + kNativeSeparator;
        ExhibitionEntry entry;
        entry.documentPath = SceneDocument(entryFolder, recorded[i]);
        entry.thumbnailPath = InEntryFolder(prefix, recorded[i].thumbnail);
        entry.descriptionPath = InEntryFolder(prefix, recorded[i].description);
        entries.push_back(entry);
    }
    return entries;
}

} // namespace

BuiltExhibition ReadBuiltExhibition(const std::string& documentPath) {
    const std::string folder = FolderPart(documentPath);
    // A build interrupted in that folder is finished or undone first, so that what is
    // read is one whole exhibition.
    SystemFileOperations ops;
    RecoverFolder(folder, ops);
    std::string text;
    const std::vector<RecordedEntry> recorded = ReadWholeFile(documentPath, text)
                                                    ? ReadExhibitionRecords(text)
                                                    : std::vector<RecordedEntry>{};
    if (recorded.empty()) {
        return {ReadEntryFolders(folder), true};
    }
    return {ReadRecordedEntries(folder, recorded), false};
}

} // namespace lumo
