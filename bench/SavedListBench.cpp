// What the window spends on keeping the curator's list after a change: a full list of 99
// items with long Japanese paths formatted and handed to the background writer (the part
// that runs on the window's thread), and the whole write including the disk.
#include "model/LatestFileWriter.h"
#include "model/SavedList.h"

#include "support/TempDir.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

lumo::SavedList FullList() {
    lumo::SavedList list;
    for (int i = 0; i < 99; ++i) {
        const std::string folder =
            "/home/学芸員/展示準備/2026年度 企画展/第" + std::to_string(i) + "展示室/";
        list.entries.push_back({folder + "シーン.tsd",
                                folder + "サムネイル.jpg",
                                folder + "説明文.png",
                                {folder + "データ.dat"}});
    }
    list.selectedIndex = 98;
    list.exhibition = {lumo::ExhibitionOrigin::Built, "/home/学芸員/展示/"};
    list.changed = true;
    return list;
}

// With toDisk, each change waits until the file is written; without, only the hand-over
// is measured.
void KeepList(benchmark::State& state, bool toDisk) {
    const lumo::test::TempDir dir;
    lumo::LatestFileWriter writer(dir / "saved-list.txt");
    const lumo::SavedList list = FullList();
    for (auto _ : state) {
        writer.Write(lumo::FormatSavedList(list));
        if (toDisk) {
            writer.Wait();
        }
    }
    writer.Wait();
}

} // namespace

BENCHMARK_CAPTURE(KeepList, hand_over, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(KeepList, to_disk, true)->Unit(benchmark::kMillisecond);
