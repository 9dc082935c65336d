// The window's image previews of a 50-megapixel JPEG: the first preview (decoded at the
// reduced size) and a preview served from the cache. LUMO_PREVIEW_JPEG names another
// image to measure (a real photograph decodes slower than the generated grey one).
#include "ImagePreviews.h"

#include "support/TempDir.h"
#include "support/TestImages.h"

#include <benchmark/benchmark.h>

#include <QString>

#include <cstdlib>
#include <string>

namespace {

const std::string& LargeJpeg() {
    static const lumo::test::TempDir dir;
    static const std::string path = []() -> std::string {
        if (const char* chosen = std::getenv("LUMO_PREVIEW_JPEG")) {
            return chosen;
        }
        const std::string jpeg = dir / "large.jpg";
        lumo::test::WriteJpeg(jpeg, 8660, 5780);
        return jpeg;
    }();
    return path;
}

void FirstPreview(benchmark::State& state) {
    const QString path = QString::fromStdString(LargeJpeg());
    for (auto _ : state) {
        lumo::qt::ImagePreviews previews;
        const lumo::qt::ImagePreview preview = previews.preview(path);
        if (preview.image.isNull()) {
            state.SkipWithError("no preview");
            break;
        }
        benchmark::DoNotOptimize(preview.image.constBits());
    }
}

void CachedPreview(benchmark::State& state) {
    const QString path = QString::fromStdString(LargeJpeg());
    lumo::qt::ImagePreviews previews;
    previews.preview(path);
    for (auto _ : state) {
        const lumo::qt::ImagePreview preview = previews.preview(path);
        benchmark::DoNotOptimize(preview.image.constBits());
    }
}

BENCHMARK(FirstPreview)->Unit(benchmark::kMillisecond);
BENCHMARK(CachedPreview)->Unit(benchmark::kMicrosecond);

} // namespace
