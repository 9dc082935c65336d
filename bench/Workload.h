#pragma once

// The workload that bench/make_workload.sh generates, as the staging and build benchmarks
// read it, and the timing helpers they share.

#include "entry/ExhibitionEntry.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace lumo::bench {

namespace fs = std::filesystem;

inline constexpr int kWorkloadItems = 99;

// The workload's folder from LUMO_STAGING_WORKLOAD, or empty when it is not set to one.
inline fs::path WorkloadRoot() {
    const char* workload = std::getenv("LUMO_STAGING_WORKLOAD");
    if (workload == nullptr || !fs::is_directory(fs::path(workload) / "src")) {
        return {};
    }
    return workload;
}

inline const char* const kNoWorkload =
    "set LUMO_STAGING_WORKLOAD to a folder made by make_workload.sh";

inline fs::path ItemFolder(const fs::path& root, int item) {
    char number[4];
    std::snprintf(number, sizeof number, "%02d", item);
    return root / "src" / number;
}

// The items of the workload with the data paths their scene documents name: three data
// files and the data folder slices/.
inline EntryList WorkloadEntries(const fs::path& root) {
    EntryList entries;
    for (int i = 0; i < kWorkloadItems; ++i) {
        const fs::path item = ItemFolder(root, i);
        entries.push_back({(item / "scene.tsd").string(),
                           (item / "thumb.jpg").string(),
                           (item / "desc.png").string(),
                           {(item / "part1.bin").string(), (item / "part2.bin").string(),
                            (item / "part3.bin").string(), (item / "slices").string() + "/"}});
    }
    return entries;
}

inline double Seconds(std::chrono::steady_clock::duration elapsed) {
    return std::chrono::duration<double>(elapsed).count();
}

inline double Median(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// Runs a shell command; false when it fails.
inline bool Run(const std::string& command) {
    return std::system(command.c_str()) == 0;
}

// `cp -r` of the workload's items into target, the reference the build is measured
// against.
inline std::string CopyCommand(const fs::path& root, const fs::path& target) {
    return "cp -r '" + (root / "src").string() + "' '" + target.string() + "'";
}

} // namespace lumo::bench
