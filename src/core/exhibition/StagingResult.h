#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace lumo {

// The step of staging at which a failure was shown.
enum class StagingStep {
    EntryFolder,
    Document,
    Thumbnail,
    Description,
    DataPath,       // copying data file k or creating data folder k
    DataFolderFile, // copying a file inside data folder k; staging goes on
    UpImage,
    DownImage,
};

struct StagingFailure {
    StagingStep step = StagingStep::EntryFolder;
    std::size_t entry = 0;    // the entry being staged; 0 for up.jpg and down.jpg
    std::size_t dataPath = 0; // k, for DataPath and DataFolderFile
    bool operator==(const StagingFailure&) const = default;
};

// Where a failure happened and why, for the message that reports it.
struct StagingDetail {
    std::string message; // the step's own message, as staging showed it
    std::string source;
    std::string target;
    std::string reason; // the system's, or why staging did not try
};

// What staging did, besides the messages it showed: every failure in the order shown,
// with its detail at the same index. A failure inside a data folder lets staging go on;
// any other one ended it and is last.
struct StagingResult {
    std::vector<StagingFailure> failures;
    std::vector<StagingDetail> details;

    bool clean() const { return failures.empty(); }
};

} // namespace lumo
