// Builds a generated 99-item exhibition through the core's build command, as lumo-cli
// build does (staging in the working folder, flushing, the journaled commit), against
// `cp -r` of the same files followed by `sync`; then the loop reload → change one item's
// description → rebuild in place, with hard links and on a file system without them.
//   bench/make_workload.sh /var/tmp/lumo-workload
//   LUMO_STAGING_WORKLOAD=/var/tmp/lumo-workload build/bin/bench_BuildBench
//   make bench generates a workload, runs this with the other benchmarks and removes it.

#include "Workload.h"
#include "exhibition/BuildRecords.h"
#include "exhibition/BuiltExhibition.h"
#include "exhibition/Exhibition.h"
#include "support/RecordingMessageBox.h"
#include "support/ScriptedFolderChooser.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using lumo::FileResult;
using lumo::bench::Median;
using lumo::bench::Run;
using lumo::bench::Seconds;

// The system's file steps, counting links and copies; without links, every link is
// refused as a file system without them (FAT, exFAT) refuses it.
class CountingFileOperations final : public lumo::IFileOperations {
public:
    explicit CountingFileOperations(bool links) : links_(links) {}

    FileResult copyFile(const std::string& source, const std::string& target,
                        const lumo::CopyProgress& progress) override {
        ++copied;
        return system_.copyFile(source, target, progress);
    }
    FileResult linkFile(const std::string& existing, const std::string& link) override {
        if (!links_) {
            return FileResult::Failure(lumo::FileFailure::NoLinks, "no links");
        }
        FileResult result = system_.linkFile(existing, link);
        linked += result ? 1 : 0;
        return result;
    }
    FileResult makeFolder(const std::string& path) override { return system_.makeFolder(path); }
    FileResult move(const std::string& from, const std::string& to) override {
        return system_.move(from, to);
    }
    FileResult replaceFile(const std::string& from, const std::string& target) override {
        return system_.replaceFile(from, target);
    }
    FileResult flushTree(const std::string& folder) override { return system_.flushTree(folder); }
    FileResult flushFolder(const std::string& path) override { return system_.flushFolder(path); }
    FileResult writeNewFile(const std::string& path, const std::string& bytes) override {
        return system_.writeNewFile(path, bytes);
    }
    FileResult removeTree(const std::string& path) override { return system_.removeTree(path); }

    int copied = 0;
    int linked = 0;

private:
    lumo::SystemFileOperations system_;
    bool links_;
};

// Builds entries into folder (made when missing) as lumo-cli build --replace does;
// the first message that is not the success, or empty when the build was written whole.
std::string Build(const lumo::EntryList& entries, const fs::path& folder,
                  lumo::IFileOperations& ops) {
    fs::create_directories(folder);
    lumo::Exhibition exhibition;
    exhibition.Load(entries);
    lumo::RecordingMessageBox messages;
    lumo::ScriptedFolderChooser chooser({folder.string()});
    const lumo::BuildRecords records((folder.parent_path() / "state").string());
    lumo::BuildServices services{messages, chooser, {}};
    services.records = &records;
    services.confirmReplace = [](const std::string&) { return true; };
    services.ops = &ops;
    const lumo::BuildOutcome outcome = exhibition.Build({}, services);
    if (outcome.status == lumo::BuildStatus::Written && outcome.problemsLeft == 0) {
        return {};
    }
    for (const auto& call : messages.calls) {
        if (call.kind != lumo::RecordingMessageBox::Kind::Information) {
            return call.text;
        }
    }
    return "not written";
}

// The median time of cp -r + sync measured by the fresh build, which the rebuilds are
// compared with.
double copyAndSyncMedian = 0;

void BM_FreshBuildAgainstCopy(benchmark::State& state) {
    const fs::path root = lumo::bench::WorkloadRoot();
    if (root.empty()) {
        state.SkipWithError(lumo::bench::kNoWorkload);
        return;
    }
    const lumo::EntryList entries = lumo::bench::WorkloadEntries(root);
    const fs::path buildOut = root / "out-build";
    const fs::path copyOut = root / "out-cp";
    const std::string copyCommand = lumo::bench::CopyCommand(root, copyOut) + " && sync";

    std::vector<double> builds;
    std::vector<double> copies;
    std::vector<double> ratios;
    bool buildFirst = true;
    for (auto _ : state) {
        fs::remove_all(buildOut);
        fs::remove_all(copyOut);
        // Both start from clean page-cache writeback.
        if (!Run("sync")) {
            state.SkipWithError("sync failed");
            return;
        }
        double buildSeconds = 0;
        double copySeconds = 0;
        for (int turn = 0; turn < 2; ++turn) {
            const auto start = std::chrono::steady_clock::now();
            if ((turn == 0) == buildFirst) {
                CountingFileOperations ops(true);
                if (const std::string error = Build(entries, buildOut, ops); !error.empty()) {
                    state.SkipWithError(error.c_str());
                    return;
                }
                buildSeconds = Seconds(std::chrono::steady_clock::now() - start);
            } else {
                if (!Run(copyCommand)) {
                    state.SkipWithError("cp -r failed");
                    return;
                }
                copySeconds = Seconds(std::chrono::steady_clock::now() - start);
            }
        }
        buildFirst = !buildFirst;
        state.SetIterationTime(buildSeconds);
        builds.push_back(buildSeconds);
        copies.push_back(copySeconds);
        ratios.push_back(buildSeconds / copySeconds);
    }
    fs::remove_all(buildOut);
    fs::remove_all(copyOut);

    copyAndSyncMedian = Median(copies);
    state.counters["build_s"] = Median(builds);
    state.counters["cp_sync_s"] = copyAndSyncMedian;
    state.counters["ratio"] = Median(ratios);
}

// Reload → change one item's description → rebuild in place, each round alternating
// between two description images so that every rebuild changes the exhibition.
void RebuildInPlace(benchmark::State& state, bool links) {
    const fs::path root = lumo::bench::WorkloadRoot();
    if (root.empty()) {
        state.SkipWithError(lumo::bench::kNoWorkload);
        return;
    }
    const fs::path show = root / "out-show";
    fs::remove_all(show);
    lumo::SystemFileOperations system;
    if (const std::string error = Build(lumo::bench::WorkloadEntries(root), show, system);
        !error.empty()) {
        state.SkipWithError(error.c_str());
        return;
    }
    const std::string descriptions[] = {(root / "alt" / "desc.png").string(),
                                        (lumo::bench::ItemFolder(root, 49) / "desc.png").string()};
    const std::string document = (show / "exhibition.tsd").string();

    std::vector<double> rebuilds;
    CountingFileOperations ops(links);
    for (auto _ : state) {
        if (!Run("sync")) {
            state.SkipWithError("sync failed");
            return;
        }
        ops.copied = ops.linked = 0;
        const auto start = std::chrono::steady_clock::now();
        lumo::EntryList entries = lumo::ReadBuiltExhibition(document).entries;
        entries.at(49).descriptionPath = descriptions[rebuilds.size() % 2];
        if (const std::string error = Build(entries, show, ops); !error.empty()) {
            state.SkipWithError(error.c_str());
            return;
        }
        const double seconds = Seconds(std::chrono::steady_clock::now() - start);
        state.SetIterationTime(seconds);
        rebuilds.push_back(seconds);
    }
    fs::remove_all(show);

    state.counters["rebuild_s"] = Median(rebuilds);
    state.counters["linked"] = ops.linked;
    state.counters["copied"] = ops.copied;
    if (copyAndSyncMedian > 0) {
        state.counters["share"] = Median(rebuilds) / copyAndSyncMedian;
    }
}

void BM_RebuildInPlace(benchmark::State& state) {
    RebuildInPlace(state, true);
}

void BM_RebuildInPlaceWithoutLinks(benchmark::State& state) {
    RebuildInPlace(state, false);
}

BENCHMARK(BM_FreshBuildAgainstCopy)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RebuildInPlace)->UseManualTime()->Iterations(7)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RebuildInPlaceWithoutLinks)
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond);

} // namespace
