// Speed of torvane-cli dump: the JSON of the synthetic million-entity stream and of the real
// streams, written to a stream that only counts the bytes (bytes/s of JSON output).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <ostream>
#include <streambuf>
#include <string>

#include "bench/synthetic_stream.h"
#include "cli/figure_reading.h"
#include "support/test_files.h"

namespace torvane {
namespace {

namespace fs = std::filesystem;

class CountingBuffer final : public std::streambuf {
public:
    std::int64_t count = 0;

protected:
    int_type overflow(int_type c) override {
        ++count;
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char*, std::streamsize n) override {
        count += n;
        return n;
    }
};

void Dump(benchmark::State& state, const fs::path& file) {
    CountingBuffer buffer;
    std::ostream out(&buffer);
    for (auto _ : state) benchmark::DoNotOptimize(cli::DumpFigure(FigureKind::Jcf, file, false, out));
    state.SetBytesProcessed(buffer.count);
}

void RegisterAll() {
    static test::TempDir dir;
    const fs::path synthetic = dir / "synthetic.1";
    test::WriteBytes(synthetic, bench::SyntheticStream(1'000'000));
    benchmark::RegisterBenchmark("Dump/synthetic_1M", [synthetic](benchmark::State& s) { Dump(s, synthetic); })
        ->Unit(benchmark::kMillisecond);
    const auto data = test::DataDir();
    if (!data) return;
    for (const auto& entry : fs::directory_iterator(*data / "streams")) {
        const fs::path file = entry.path();
        benchmark::RegisterBenchmark(("Dump/" + file.stem().string()).c_str(),
                                     [file](benchmark::State& s) { Dump(s, file); });
    }
}

const bool registered = (RegisterAll(), true);

}  // namespace
}  // namespace torvane
