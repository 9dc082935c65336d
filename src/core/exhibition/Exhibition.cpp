#include "exhibition/Exhibition.h"

#include "exhibition/DroppedFile.h"
#include "exhibition/EntryCheck.h"
#include "platform/FileSystem.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace lumo {

namespace {

const char* const kMissingElement = "エラー　要素が足りません";

std::vector<EntryField> MissingFields(const ExhibitionEntry& entry) {
    std::vector<EntryField> missing;
    if (entry.documentPath.empty()) {
        missing.push_back(EntryField::Document);
    }
    if (entry.thumbnailPath.empty()) {
        missing.push_back(EntryField::Thumbnail);
    }
    if (entry.descriptionPath.empty()) {
        missing.push_back(EntryField::Description);
    }
    return missing;
}

const std::string& FieldOf(const ExhibitionEntry& entry, EntryField field) {
    switch (field) {
    case EntryField::Document:
        return entry.documentPath;
    case EntryField::Thumbnail:
        return entry.thumbnailPath;
    case EntryField::Description:
        break;
    }
    return entry.descriptionPath;
}

} // namespace

ItemAddition Exhibition::AppendItem(const std::vector<std::string>& files) {
    ExhibitionEntry entry;
    std::vector<std::string> ignored;
    std::vector<ReplacedFile> replaced;
    for (const std::string& file : files) {
        const ExhibitionEntry before = entry;
        const std::optional<EntryField> field = ClassifyDroppedFile(entry, file);
        if (!field) {
            ignored.push_back(file);
            continue;
        }
        const std::string& earlier = FieldOf(before, *field);
        if (!earlier.empty()) {
            replaced.push_back({*field, earlier, file});
        }
    }
    ItemAddition addition = Insert(entries_.size(), entry);
    addition.ignored = std::move(ignored);
    addition.replaced = std::move(replaced);
    return addition;
}

ItemAddition Exhibition::Insert(std::size_t position, const ExhibitionEntry& entry) {
    ItemAddition addition;
    addition.position = std::min(position, entries_.size());
    addition.missing = MissingFields(entry);
    if (!addition.missing.empty()) {
        addition.reason = kMissingElement;
        return addition;
    }
    entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(addition.position), entry);
    addition.added = true;
    return addition;
}

void Exhibition::Remove(std::size_t position) {
    if (position < entries_.size()) {
        entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(position));
    }
}

void Exhibition::Swap(std::size_t first, std::size_t second) {
    if (first < entries_.size() && second < entries_.size()) {
        std::swap(entries_[first], entries_[second]);
    }
}

void Exhibition::Load(EntryList entries) {
    entries_ = std::move(entries);
}

ProblemList Exhibition::Check() const {
    return CheckEntries(entries_, ResourceFolder()).problems;
}

BuildOutcome Exhibition::Build(const std::string& browseStartPath, const BuildServices& services) {
    return BuildExhibition(entries_, browseStartPath, services);
}

} // namespace lumo
