#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace lumo {

// What a build would hit or hide, found before anything is copied.
enum class ProblemKind {
    MissingDocument,
    MissingThumbnail,
    MissingDescription,
    MissingDataFile,
    // Also an extension-less data path that names nothing.
    MissingDataFolder,
    MissingPagingImage,
    // Something exists at the path but cannot be read (or is not the file or folder the
    // build expects there).
    Unreadable,
    // Two different sources land on one name in an entry folder (letter case aside, as
    // on Windows); detail is the source that survives.
    NameCollision,
    // A data path with a folder part: copied flat, referred to with its folder part;
    // detail is the path value as the document writes it.
    FolderReference,
    // A sub-folder of a data folder, which is not copied.
    DataSubfolder,
    // A data path whose name cannot be made in an entry folder (".", "..", a device
    // name): staging stops there.
    UnusableName,
    // More than 100 data elements or draw groups: the rest are dropped.
    TooManyDataElements,
    TooManyDrawGroups,
    // No draw group named with "Sur", or several; detail is the group used instead.
    NoTopGroup,
    SeveralTopGroups,
};

struct EntryProblem {
    // Empty for what belongs to the whole exhibition (the paging images).
    std::optional<std::size_t> entry;
    ProblemKind kind;
    std::string path;
    std::string detail;

    bool operator==(const EntryProblem&) const = default;
};

using ProblemList = std::vector<EntryProblem>;

} // namespace lumo
