// A drawing of a million entities (the synthetic stream's archive behind a drawing header) read
// and drawn as a 58 x 58 thumbnail (the counter peak_MB is the process's peak resident memory),
// and a browser page of 30 real drawings, each read and drawn at 120 x 90.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <filesystem>
#include <string>
#include <vector>

#include "bench/synthetic_stream.h"
#include "figure/jww_file_builder.h"
#include "render/gra_attribute.h"
#include "render/thumbnail.h"
#include "support/test_files.h"

namespace torvane {
namespace {

constexpr std::size_t kStreamHeader = 144;

double PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void DrawingThumbnail(benchmark::State& state) {
    test::TempDir dir;
    const std::filesystem::path file = dir / "synthetic.jww";
    test::WriteBytes(file, test::JwwHeaderBytes({}) + bench::SyntheticStream(1'000'000).substr(kStreamHeader));
    SetStartupAttributes();
    for (auto _ : state) {
        const std::optional<Bitmap> picture = DrawFigureFile(file, 58, 58, 0);
        if (!picture) state.SkipWithError("drawing not readable");
        benchmark::DoNotOptimize(picture);
    }
    state.counters["peak_MB"] = PeakMegabytes();
}
BENCHMARK(DrawingThumbnail)->Unit(benchmark::kMillisecond);

void DrawingPage(benchmark::State& state) {
    std::vector<std::filesystem::path> files;
    if (const auto data = test::DataDir()) {
        std::vector<std::filesystem::path> found;
        for (const auto& entry : std::filesystem::directory_iterator(*data / "jww")) found.push_back(entry.path());
        for (std::size_t i = 0; i < 30; ++i) files.push_back(found[i % found.size()]);
    }
    if (files.empty()) return state.SkipWithError("no test data");
    SetStartupAttributes();
    for (auto _ : state) {
        for (const auto& file : files) benchmark::DoNotOptimize(DrawFigureFile(file, 120, 90, 0, FigureKind::Jww));
    }
}
BENCHMARK(DrawingPage)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace torvane
