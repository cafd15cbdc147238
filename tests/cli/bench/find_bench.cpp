// Speed of torvane-cli find over a folder of 1,000 real figure files: the real streams and JWS
// files copied in turn into ten subfolders.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/run_cli.h"
#include "support/test_files.h"

namespace torvane {
namespace {

namespace fs = std::filesystem;

void BM_FindInThousandFiles(benchmark::State& state) {
    const auto data = test::DataDir();
    if (!data) {
        state.SkipWithError("no real data");
        return;
    }
    std::vector<fs::path> figures;
    for (const char* kind : {"streams", "jws"}) {
        for (const auto& entry : fs::directory_iterator(*data / kind)) figures.push_back(entry.path());
    }
    test::TempDir folder;
    for (int n = 0; n < 1000; ++n) {
        const fs::path& figure = figures[static_cast<std::size_t>(n) % figures.size()];
        const fs::path sub = folder / std::to_string(n % 10);
        fs::create_directories(sub);
        fs::copy_file(figure, sub / (std::to_string(n) + figure.extension().string()));
    }
    const std::string top = folder.path().string();
    const char* argv[] = {"torvane-cli", "find", "ライン", top.c_str()};
    std::size_t lines = 0;
    for (auto _ : state) {
        std::ostringstream out, err;
        benchmark::DoNotOptimize(cli::RunCli(4, argv, out, err));
        const std::string listing = out.str();
        lines = static_cast<std::size_t>(std::count(listing.begin(), listing.end(), '\n'));
    }
    state.counters["files_listed"] = static_cast<double>(lines);
}

BENCHMARK(BM_FindInThousandFiles)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace torvane
