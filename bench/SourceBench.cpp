// Surveying (data paths, draw groups) and rewriting draw groups of a 20 MB scene document with 100
// data elements and 100 draw groups, the largest document a curator is expected to hand in.
#include "source/DrawGroupRewriter.h"
#include "source/SourceSurvey.h"

#include "support/TempDir.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kElements = 100;
constexpr std::size_t kTargetBytes = 20u << 20;

// Each data element sits before its draw group; half of the bulk is drawing units inside
// the groups, half key frames between them, with CR LF line ends; in UTF-8 or in CP932.
std::string WriteDocument(const lumo::test::TempDir& dir, bool utf8) {
    const std::string path = dir / (utf8 ? "large-utf8.tsd" : "large-cp932.tsd");
    const std::string caption =
        utf8 ? "サーフェイスレンダリング"
             : "\x83\x54\x81\x5b\x83\x74\x83\x46\x83\x43\x83\x58\x83\x8c\x83\x93\x83\x5f"
               "\x83\x8a\x83\x93\x83\x4f";
    std::ofstream out(path, std::ios::binary);
    out << "<?xml version=\"1.0\" encoding=\"" << (utf8 ? "UTF-8" : "Shift_JIS")
        << "\"?>\r\n<TessraFile version=\"2\">\r\n";
    const std::size_t perElement = kTargetBytes / kElements / 2;
    std::size_t written = 0;
    for (int i = 0; i < kElements; ++i) {
        const std::string n = std::to_string(i);
        out << "  <data name=\"mol" << n << "\" ><file path=\"mol" << n << ".pdb\" /></data>\r\n";
        out << "  <drawGroup name=\"" << (i == 0 ? "Sur_" : "G") << n << "\" caption=\"" << caption
            << "\" friendGroup=\"G" << (i + 1) << "\" >\r\n";
        for (std::size_t bytes = 0; bytes < perElement; ++written) {
            const std::string line = "    <drawUnit coordinate_data=\"mol" + n +
                                     "\" index_data=\"idx" + std::to_string(written) +
                                     "\" color=\"0.25 0.50 0.75 1.00\" />\r\n";
            out << line;
            bytes += line.size();
        }
        out << "  </drawGroup>\r\n";
        for (std::size_t bytes = 0; bytes < perElement; ++written) {
            const std::string line = std::string("  <keyFrame time=\"") + std::to_string(written) +
                                     "\" position=\"1.5 -2.25 3.125\" rotation=\"0 0 0 1\" />\r\n";
            out << line;
            bytes += line.size();
        }
    }
    out << "</TessraFile>\r\n";
    return path;
}

// The benchmark's argument chooses the encoding: 1 for UTF-8, 0 for CP932.
const std::string& Document(const benchmark::State& state) {
    static const lumo::test::TempDir dir;
    static const std::string utf8 = WriteDocument(dir, true);
    static const std::string legacy = WriteDocument(dir, false);
    return state.range(0) == 1 ? utf8 : legacy;
}

void CollectAndRewrite(benchmark::State& state) {
    const std::string& document = Document(state);
    for (auto _ : state) {
        const std::vector<std::string> paths = lumo::SurveySource(document, 0).data.paths;
        std::string text;
        std::vector<std::string> topGroups;
        lumo::AppendEntryFragments(text, lumo::ExhibitionEntry{document, {}, {}, {}}, 0, topGroups);
        if (paths.size() != kElements || topGroups.size() != 1) {
            state.SkipWithError("the document did not give 100 data paths and one top group");
        }
        state.counters["fragment_MB"] = static_cast<double>(text.size()) / (1 << 20);
        benchmark::DoNotOptimize(text.data());
    }
}

void Collect(benchmark::State& state) {
    const std::string& document = Document(state);
    for (auto _ : state) {
        benchmark::DoNotOptimize(lumo::SurveySource(document, 0).data.paths);
    }
}

void Rewrite(benchmark::State& state) {
    const std::string& document = Document(state);
    for (auto _ : state) {
        std::string text;
        std::vector<std::string> topGroups;
        lumo::AppendEntryFragments(text, lumo::ExhibitionEntry{document, {}, {}, {}}, 0, topGroups);
        benchmark::DoNotOptimize(text.data());
    }
}

} // namespace

BENCHMARK(CollectAndRewrite)->ArgName("utf8")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(Collect)->ArgName("utf8")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(Rewrite)->ArgName("utf8")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);
