#include "platform/ImageProbe.h"

#include "support/TempDir.h"
#include "support/TestImages.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// A 0.1- and a 50-megapixel image of each format, written once into a temporary folder
// that goes away when the program ends.
struct Inputs {
    lumo::test::TempDir dir;
    std::string smallJpeg = dir / "small.jpg";
    std::string largeJpeg = dir / "large.jpg";
    std::string smallPng = dir / "small.png";
    std::string largePng = dir / "large.png";

    Inputs() {
        lumo::test::WriteJpeg(smallJpeg, 400, 250);
        lumo::test::WriteJpeg(largeJpeg, 10000, 5000);
        lumo::test::WritePng(smallPng, 400, 250);
        lumo::test::WritePng(largePng, 10000, 5000);
    }
};

const Inputs& GetInputs() {
    static const Inputs inputs;
    return inputs;
}

void Probe(benchmark::State& state, std::string Inputs::*image) {
    const std::string& path = GetInputs().*image;
    for (auto _ : state) {
        const lumo::ProbeResult image = lumo::ProbeImageSize(path);
        if (image.outcome != lumo::ProbeOutcome::Sized) {
            state.SkipWithError("probe failed");
            break;
        }
        benchmark::DoNotOptimize(image);
    }
}

BENCHMARK_CAPTURE(Probe, jpeg_0_1MP, &Inputs::smallJpeg);
BENCHMARK_CAPTURE(Probe, jpeg_50MP, &Inputs::largeJpeg);
BENCHMARK_CAPTURE(Probe, png_0_1MP, &Inputs::smallPng);
BENCHMARK_CAPTURE(Probe, png_50MP, &Inputs::largePng);

} // namespace
