// Reading and writing figure streams, and writing them as JWS figure files: the real streams,
// JWS files and drawings, a synthetic stream of a million entities and one of a real drawing's mix.
// Bytes/s and items/s (entities) are reported per benchmark.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "bench/synthetic_stream.h"
#include "figure/figure_file.h"
#include "figure/jcf_data.h"
#include "figure/jws_data.h"
#include "figure/jws_writer.h"
#include "figure/jww_data.h"
#include "support/test_files.h"

namespace torvane {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kSyntheticEntities = 1'000'000;

// The synthetic stream, written once to a file that lives as long as the process.
const fs::path& SyntheticFile() {
    static test::TempDir dir;
    static const fs::path path = [] {
        const fs::path file = dir / "synthetic.1";
        test::WriteBytes(file, bench::SyntheticStream(kSyntheticEntities));
        return file;
    }();
    return path;
}

// The quarter-each stream, made once.
const std::string& QuarterMixBytes() {
    static const std::string bytes = bench::QuarterMixStream(kSyntheticEntities);
    return bytes;
}

std::int64_t Entities(const TJwwFigureData& doc) {
    std::int64_t n = doc.Header().n1;
    for (std::int32_t i = 0; i < doc.EntBlockDefN; ++i) n += doc.EntBlockDef[i].Members().N;
    return n;
}

void FileIn(benchmark::State& state, const fs::path& file) {
    TJcfData doc;
    if (!doc.FileIn(file)) state.SkipWithError("stream not readable");
    const std::int64_t bytes = static_cast<std::int64_t>(fs::file_size(file));
    const std::int64_t entities = Entities(doc);
    for (auto _ : state) benchmark::DoNotOptimize(doc.FileIn(file));
    state.SetBytesProcessed(state.iterations() * bytes);
    state.SetItemsProcessed(state.iterations() * entities);
}

void Count(benchmark::State& state, const TJwwFigureData& doc, std::size_t bytes) {
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes));
    state.SetItemsProcessed(state.iterations() * Entities(doc));
}

// Reads the bytes again and again into one document.
template <class Document>
void ReadKept(benchmark::State& state, const std::string& bytes) {
    Document doc;
    if (!doc.ReadBytes(AsBytes(bytes), u"bench")) state.SkipWithError("not readable");
    for (auto _ : state) benchmark::DoNotOptimize(doc.ReadBytes(AsBytes(bytes), u"bench"));
    Count(state, doc, bytes.size());
}

// Reads the bytes into a new document each time; making and freeing it is timed with the read.
template <class Document>
void ReadFresh(benchmark::State& state, const std::string& bytes) {
    for (auto _ : state) {
        Document doc;
        benchmark::DoNotOptimize(doc.ReadBytes(AsBytes(bytes), u"bench"));
    }
    Document doc;
    if (!doc.ReadBytes(AsBytes(bytes), u"bench")) state.SkipWithError("not readable");
    Count(state, doc, bytes.size());
}

template <class Document>
void RegisterReads(const std::string& name, std::shared_ptr<const std::string> bytes) {
    benchmark::RegisterBenchmark(("Read/" + name + "/kept").c_str(),
                                 [bytes](benchmark::State& s) { ReadKept<Document>(s, *bytes); });
    benchmark::RegisterBenchmark(("Read/" + name + "/fresh").c_str(),
                                 [bytes](benchmark::State& s) { ReadFresh<Document>(s, *bytes); });
}

// Fresh and kept reads of every file of a folder of the real data.
template <class Document>
void RegisterFolderReads(const fs::path& folder, const std::string& kind) {
    for (const auto& entry : fs::directory_iterator(folder)) {
        RegisterReads<Document>(kind + "/" + entry.path().stem().string(),
                                std::make_shared<const std::string>(test::ReadBytes(entry.path())));
    }
}

// Writes the stream's document with `write` into a file named `out_name`.
template <class Write>
void WriteOut(benchmark::State& state, const fs::path& file, const char* out_name, Write write) {
    TJcfData doc;
    if (!doc.FileIn(file)) state.SkipWithError("stream not readable");
    doc.SetFileOutOption(doc.MojiEncode ? 32 : 0);
    test::TempDir dir;
    const fs::path out = dir / out_name;
    for (auto _ : state) benchmark::DoNotOptimize(write(doc, out));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(fs::file_size(out)));
    state.SetItemsProcessed(state.iterations() * Entities(doc));
}

void FileOut(benchmark::State& state, const fs::path& file) {
    WriteOut(state, file, "out.1", [](TJcfData& doc, const fs::path& out) { return doc.FileOut(out, doc.Enthd.jwVer); });
}

void JwsOut(benchmark::State& state, const fs::path& file) {
    WriteOut(state, file, "out.jws",
             [](TJcfData& doc, const fs::path& out) { return JwsFileOut(doc, out, doc.Enthd.jwVer); });
}

void RegisterAll() {
    benchmark::RegisterBenchmark("FileIn/synthetic_1M", [](benchmark::State& s) { FileIn(s, SyntheticFile()); })
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Read/stream/quarter_1M/kept",
                                 [](benchmark::State& s) { ReadKept<TJcfData>(s, QuarterMixBytes()); })
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Read/stream/quarter_1M/fresh",
                                 [](benchmark::State& s) { ReadFresh<TJcfData>(s, QuarterMixBytes()); })
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("FileOut/synthetic_1M", [](benchmark::State& s) { FileOut(s, SyntheticFile()); })
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("JwsOut/synthetic_1M", [](benchmark::State& s) { JwsOut(s, SyntheticFile()); })
        ->Unit(benchmark::kMillisecond);
    const auto data = test::DataDir();
    if (!data) return;
    for (const auto& entry : fs::directory_iterator(*data / "streams")) {
        const fs::path file = entry.path();
        const std::string name = file.stem().string();
        benchmark::RegisterBenchmark(("FileIn/" + name).c_str(), [file](benchmark::State& s) { FileIn(s, file); });
        benchmark::RegisterBenchmark(("FileOut/" + name).c_str(), [file](benchmark::State& s) { FileOut(s, file); });
        benchmark::RegisterBenchmark(("JwsOut/" + name).c_str(), [file](benchmark::State& s) { JwsOut(s, file); });
        RegisterReads<TJcfData>("stream/" + name, std::make_shared<const std::string>(test::ReadBytes(file)));
    }
    RegisterFolderReads<TJwsData>(*data / "jws", "jws");
    RegisterFolderReads<TJwwData>(*data / "jww", "jww");
}

const bool registered = (RegisterAll(), true);

}  // namespace
}  // namespace torvane
