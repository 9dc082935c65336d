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
    // More than 100 data elements or draw groups: the rest are dropped; detail is
    // "COUNT: NAME", how many there are and the name of the first one dropped.
    TooManyDataElements,
    TooManyDrawGroups,
    // No draw group named with "Sur", or several; detail is the group used instead.
    NoTopGroup,
    SeveralTopGroups,
    // A data path whose last part is . or ..: staging stops there; detail is the path
    // value as the document writes it.
    DotDataPath,
    // A data path naming the scene's own folder, all of whose files are copied; detail
    // is "FILES: BYTES".
    OwnFolderData,
    // A name the copy creates that Windows cannot hold.
    WindowsName,
    // The scene document compared with an XML parser's reading of it; path is the
    // document and detail "LINE: TEXT". Not well-formed (TEXT is the parser's message):
    NotWellFormed,
    // A data path the XML reading sees that the build does not copy: one it misses or
    // reads otherwise, or a data element's second or later file.
    DataPathMisread,
    ExtraDataFile,
    // A data path the build copies that no data element of the XML reading names.
    StrayDataPath,
    // A draw group the XML reading sees that the build misses or names otherwise, one
    // the build writes that the XML reading does not see, and a top group the XML
    // reading has no draw group of.
    DrawGroupMisread,
    StrayDrawGroup,
    TopGroupMisread,
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
