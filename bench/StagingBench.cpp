// Stages a generated 99-item exhibition and copies the same files with `cp -r` on the
// same disk, alternating which goes first, and reports the time ratio.
//   bench/make_workload.sh /var/tmp/lumo-workload
//   LUMO_STAGING_WORKLOAD=/var/tmp/lumo-workload build/bin/bench_StagingBench
//   make bench generates a workload, runs this with the other benchmarks and removes it.

#include "exhibition/Staging.h"
#include "support/RecordingMessageBox.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

// The items of the workload: every file of src/NN/data as data files, slices/ as a
// data folder.
lumo::EntryList WorkloadEntries(const fs::path& root) {
    lumo::EntryList entries;
    for (int i = 0; i < 99; ++i) {
        char number[4];
        std::snprintf(number, sizeof number, "%02d", i);
        const fs::path item = root / "src" / number;
        lumo::ExhibitionEntry entry{(item / "scene.tsd").string(),
                                    (item / "thumb.jpg").string(),
                                    (item / "desc.png").string(),
                                    {}};
        for (const auto& file : fs::directory_iterator(item / "data")) {
            entry.dataPaths.push_back(file.path().string());
        }
        std::sort(entry.dataPaths.begin(), entry.dataPaths.end());
        entry.dataPaths.push_back((item / "slices").string() + "/");
        entries.push_back(entry);
    }
    return entries;
}

double Seconds(std::chrono::steady_clock::duration elapsed) {
    return std::chrono::duration<double>(elapsed).count();
}

void BM_StagingAgainstCopy(benchmark::State& state) {
    const char* workload = std::getenv("LUMO_STAGING_WORKLOAD");
    if (workload == nullptr || !fs::is_directory(fs::path(workload) / "src")) {
        state.SkipWithError("set LUMO_STAGING_WORKLOAD to a folder made by make_workload.sh");
        return;
    }
    const fs::path root = workload;
    const lumo::EntryList entries = WorkloadEntries(root);
    const fs::path stageOut = root / "out-stage";
    const fs::path copyOut = root / "out-cp";
    const std::string copyCommand =
        "cp -r '" + (root / "src").string() + "' '" + copyOut.string() + "'";

    double stageTotal = 0;
    double copyTotal = 0;
    bool stageFirst = true;
    for (auto _ : state) {
        fs::remove_all(stageOut);
        fs::remove_all(copyOut);
        fs::create_directory(stageOut);
        // Start both from clean page-cache writeback.
        if (std::system("sync") != 0) {
            state.SkipWithError("sync failed");
            return;
        }

        double stageSeconds = 0;
        double copySeconds = 0;
        for (int turn = 0; turn < 2; ++turn) {
            const auto start = std::chrono::steady_clock::now();
            if ((turn == 0) == stageFirst) {
                lumo::RecordingMessageBox messages;
                lumo::EntryList staged;
                lumo::StageEntries(entries, stageOut.string() + "/", (root / "res").string(),
                                   staged, messages);
                stageSeconds = Seconds(std::chrono::steady_clock::now() - start);
                if (!messages.calls.empty()) {
                    state.SkipWithError(messages.calls.front().text.c_str());
                    return;
                }
            } else {
                if (std::system(copyCommand.c_str()) != 0) {
                    state.SkipWithError("cp -r failed");
                    return;
                }
                copySeconds = Seconds(std::chrono::steady_clock::now() - start);
            }
        }
        stageFirst = !stageFirst;
        state.SetIterationTime(stageSeconds);
        stageTotal += stageSeconds;
        copyTotal += copySeconds;
    }
    fs::remove_all(stageOut);
    fs::remove_all(copyOut);

    const double runs = static_cast<double>(state.iterations());
    state.counters["stage_s"] = stageTotal / runs;
    state.counters["cp_r_s"] = copyTotal / runs;
    state.counters["ratio"] = stageTotal / copyTotal;
}

BENCHMARK(BM_StagingAgainstCopy)->UseManualTime()->Iterations(4)->Unit(benchmark::kMillisecond);

} // namespace
