// Assembling exhibition.tsd for 1, 12 and 99 staged items: each item's scene document is
// read and rewritten and its two images probed, then the navigation is laid out.
#include "exhibition/ExhibitionText.h"

#include "support/TempDir.h"
#include "support/TestImages.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kMaxItems = 99;
constexpr int kElementsPerDocument = 8;
constexpr int kLinesPerGroup = 200;

// A scene document of about 100 KB: data elements, draw groups (the first a "Sur"
// group) and key frames between them.
void WriteDocument(const std::string& path, int item) {
    std::ofstream out(path, std::ios::binary);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<TessraFile version=\"2\">\r\n";
    for (int i = 0; i < kElementsPerDocument; ++i) {
        const std::string n = std::to_string(i);
        out << "  <data name=\"mol" << n << "\" ><file path=\"data\\mol" << n
            << ".pdb\" /></data>\r\n";
        out << "  <drawGroup name=\"" << (i == 0 ? "Sur_" : "G") << item << "_" << n
            << "\" caption=\"サーフェイスレンダリング\" friendGroup=\"G" << (i + 1) << "\" >\r\n";
        for (int line = 0; line < kLinesPerGroup; ++line) {
            out << "    <drawUnit coordinate_data=\"mol" << n << "\" index_data=\"idx" << line
                << "\" color=\"0.25 0.50 0.75 1.00\" />\r\n";
        }
        out << "  </drawGroup>\r\n";
        for (int line = 0; line < kLinesPerGroup / 4; ++line) {
            out << "  <keyFrame time=\"" << line << "\" position=\"1.5 -2.25 3.125\" />\r\n";
        }
    }
    out << "</TessraFile>\r\n";
}

// 99 staged items in a temporary folder, written once.
const lumo::EntryList& StagedItems() {
    static const lumo::test::TempDir dir;
    static const lumo::EntryList items = [] {
        lumo::EntryList list;
        for (int i = 0; i < kMaxItems; ++i) {
            const std::string folder = dir / (std::to_string(100 + i).substr(1));
            std::filesystem::create_directory(folder);
            lumo::ExhibitionEntry entry{
                folder + "/scene.tsd", folder + "/thumb.jpg", folder + "/desc.png", {}};
            WriteDocument(entry.documentPath, i);
            lumo::test::WriteJpeg(entry.thumbnailPath, 320, 200);
            lumo::test::WritePng(entry.descriptionPath, 300, 800);
            list.push_back(entry);
        }
        return list;
    }();
    return items;
}

void Assemble(benchmark::State& state) {
    const lumo::EntryList& all = StagedItems();
    const lumo::EntryList staged(all.begin(), all.begin() + state.range(0));
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string text = lumo::AssembleExhibitionText(staged).text;
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["document_MB"] = static_cast<double>(bytes) / (1 << 20);
}

} // namespace

BENCHMARK(Assemble)->ArgName("items")->Arg(1)->Arg(12)->Arg(99)->Unit(benchmark::kMillisecond);
