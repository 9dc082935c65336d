#pragma once

#include <string>
#include <vector>

namespace lumo {

// What a path names, as the build sees it.
enum class DataPathKind {
    // A regular file the process may read.
    File,
    // A folder the process may list.
    Folder,
    // An extension-less data path that names nothing: the data folder steps make a folder
    // of its name and copy the files beside it whose names begin with it, each under the
    // path's name followed directly by its own.
    FolderListing,
    // Nothing is there.
    Missing,
    // Something is there but cannot be read, or is not what its step takes (a folder named
    // like a file); also any path holding a control character, which is never opened.
    Unreadable,
    // A named pipe, a device or a socket: never copied.
    Special,
    // A name that cannot be made in an entry folder: ".", "..", "" or a device name.
    UnusableName,
};

// One copy staging makes; target is relative to the entry folder.
struct DataCopy {
    std::string source;
    std::string target;
    // False when the source could not be read when planned: the copy is still tried,
    // since what holds the file may let go of it.
    bool readable = true;

    bool operator==(const DataCopy&) const = default;
};

// An entry of a data folder (or of a folder listing) that staging leaves out: a sub-folder
// (kind Folder) or a special file.
struct LeftOut {
    std::string path;
    DataPathKind kind;

    bool operator==(const LeftOut&) const = default;
};

// How the name of a data path meets the names made before it in its entry folder.
enum class Placement {
    // The name is new: a folder of that name is made when the path takes the folder steps.
    Own,
    // A file of that name is replaced, or a folder of that name receives the files.
    Shared,
    // A file holds the name a folder needs, or the reverse: left out.
    Skipped,
};

// What one data path is and what staging does with it.
struct DataPathPlan {
    DataPathKind kind = DataPathKind::Missing;
    // Its name in the entry folder: the path's file-name part.
    std::string name;
    // The data folder steps (a folder of its name receives files) rather than one copy.
    bool folderStep = false;
    // Staging fails here without trying: it can tell that nothing can be made.
    bool refused = false;
    Placement placement = Placement::Own;
    std::vector<DataCopy> copies;
    std::vector<LeftOut> leftOut;
};

// What path names: File, Folder, Missing, Unreadable or Special.
DataPathKind ClassifyPath(const std::string& path);

// The plan for one data path taken alone; its placement is decided with its entry's other
// names.
DataPathPlan PlanDataPath(const std::string& path);

} // namespace lumo
