// Stages a generated 99-item exhibition and copies the same files with `cp -r` on the
// same disk, alternating which goes first, and reports the time ratio.
//   bench/make_workload.sh /var/tmp/lumo-workload
//   LUMO_STAGING_WORKLOAD=/var/tmp/lumo-workload build/bin/bench_StagingBench
//   make bench generates a workload, runs this with the other benchmarks and removes it.

#include "Workload.h"
#include "exhibition/Staging.h"
#include "support/RecordingMessageBox.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;
using lumo::bench::Seconds;

void BM_StagingAgainstCopy(benchmark::State& state) {
    const fs::path root = lumo::bench::WorkloadRoot();
    if (root.empty()) {
        state.SkipWithError(lumo::bench::kNoWorkload);
        return;
    }
    const lumo::EntryList entries = lumo::bench::WorkloadEntries(root);
    const fs::path stageOut = root / "out-stage";
    const fs::path copyOut = root / "out-cp";
    const std::string copyCommand = lumo::bench::CopyCommand(root, copyOut);

    double stageTotal = 0;
    double copyTotal = 0;
    bool stageFirst = true;
    for (auto _ : state) {
        fs::remove_all(stageOut);
        fs::remove_all(copyOut);
        fs::create_directory(stageOut);
        // Start both from clean page-cache writeback.
        if (!lumo::bench::Run("sync")) {
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
                if (!lumo::bench::Run(copyCommand)) {
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
